#include "model/partest.h"

#include <ostream>

#include "text/blocco.h"
#include "text/errore.h"
#include "text/lettore.h"
#include "text/utilita.h"

namespace quadrivo {

namespace {

CStringa YesNo(int flag)
{
    return CStringa(flag ? "Yes" : "No");
}

// A quoted text value without its quotes. A value of fewer than two
// characters (possible only unquoted) gives the empty text.
CStringa WithoutEnds(const CStringa& value)
{
    if (value.Length() < 2) return CStringa();
    return Slice(value, 1, value.Length() - 1);
}

}  // namespace

CParTest::CParTest(CErrore* errors) : Errors(errors) {}

bool CParTest::operator==(const CParTest& o) const
{
    return Name == o.Name && Random == o.Random && Save == o.Save && Time == o.Time &&
           ViewScore == o.ViewScore && Exit == o.Exit && AskConfirm == o.AskConfirm &&
           CorrectAnswer == o.CorrectAnswer && SendBack == o.SendBack && Password == o.Password &&
           MaxQue == o.MaxQue && ForceAns == o.ForceAns && ViewHint == o.ViewHint && ViewComm == o.ViewComm &&
           StudComm == o.StudComm && ClassTest == o.ClassTest && TextTest == o.TextTest;
}

int CParTest::ReadParams(CLettore& reader)
{
    CBlocco block(Errors);
    CParametro pairs[PARAM_CAPACITY];
    unsigned count = 0;
    int result = reader.ReadSection(CStringa("partest"), block, true);
    if (result == 0) result = ParseParams(block.Text, pairs, count);
    if (result == 0) result = ApplyParTest(pairs, count);
    if (result == 0) result = reader.ReadSection(CStringa("texttest"), block, true);
    if (result == 0) {
        block.Text.Trim();
        TextTest = block.Text;
    }
    return result;
}

int CParTest::ApplyParTest(const CParametro* pairs, unsigned count)
{
    int result = 0;
    for (unsigned i = 0; i < count; ++i) {
        const CStringa& name = pairs[i].Name;
        const CStringa& value = pairs[i].Value;
        // Random and Save are set only by "yes"; the other flags are cleared
        // only by "no".
        const int yes = value == "yes" ? 1 : 0;
        const int notNo = value == "no" ? 0 : 1;
        if (name == "name")
            Name = WithoutEnds(value);
        else if (name == "random")
            Random = yes;
        else if (name == "save")
            Save = yes;
        else if (name == "time")
            Time = value.ToInt();
        else if (name == "viewscore")
            ViewScore = notNo;
        else if (name == "exit")
            Exit = notNo;
        else if (name == "askconfirm")
            AskConfirm = notNo;
        else if (name == "correctanswer")
            CorrectAnswer = notNo;
        else if (name == "sendback")
            SendBack = value.ToInt();
        else if (name == "password")
            Password = WithoutEnds(value);
        else if (name == "maxque")
            MaxQue = value.ToInt();
        else if (name == "forceans")
            ForceAns = notNo;
        else if (name == "viewhint")
            ViewHint = notNo;
        else if (name == "viewcomm")
            ViewComm = notNo;
        else if (name == "studcomm")
            StudComm = notNo;
        else if (name == "classtest")
            ClassTest = WithoutEnds(value);
        else {
            result = kUnknownTestParameter;
            Report(Errors, kUnknownTestParameter, name);
        }
    }
    return result;
}

void CParTest::WriteParams(std::ostream& out, int scrambled) const
{
    const CStringa quote("\"");
    const CStringa comma(", ");
    CStringa lines[] = {
        CStringa("<ParTest>"),
        "Name = " + quote + Name + quote + comma,
        "Random = " + YesNo(Random) + comma + "Save = " + YesNo(Save) + comma + "Time = " + CStringa(Time) +
            comma + "ViewScore = " + YesNo(ViewScore) + comma + "Exit = " + YesNo(Exit) + comma,
        "AskConfirm = " + YesNo(AskConfirm) + comma + "CorrectAnswer = " + YesNo(CorrectAnswer) + comma +
            "SendBack = " + CStringa(SendBack) + comma,
        "Password = " + quote + Password + quote + comma + "MaxQue = " + CStringa(MaxQue) + comma,
        "ForceAns = " + YesNo(ForceAns) + comma + "ViewHint = " + YesNo(ViewHint) + comma +
            "ViewComm = " + YesNo(ViewComm) + comma + "StudComm = " + YesNo(StudComm) + comma,
        "ClassTest = " + quote + ClassTest + quote,
        CStringa("</ParTest>"),
        CStringa("<TextTest>"),
        TextTest,
        CStringa("</TextTest>"),
    };
    for (CStringa& line : lines) WriteLine(out, line, scrambled);
}

}  // namespace quadrivo
