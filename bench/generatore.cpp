#include "generatore.h"

#include "text/stringa.h"

namespace quadrivo {

namespace {

std::string Number(int n)
{
    return std::to_string(n);
}

// A few words that vary with the seed, so that no two texts are the same.
std::string Words(int seed, int count)
{
    static const char* const kWords[] = {"fiume",   "monte", "lago",  "citta",
                                         "regione", "mare",  "isola", "valle"};
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) text += ' ';
        text += kWords[(seed + i * 7) % 8];
    }
    return text;
}

// The order in which a student saw the answers, one character each.
std::string Positions(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) text += static_cast<char>(i < 10 ? '0' + i : 'a' + i - 10);
    return text;
}

}  // namespace

std::string GenerateTestText(const GeneratedShape& shape)
{
    std::string t =
        "<Test>\n\n<!--- parametri generali Test --->\n<ParTest>\nName = \"Generato\", \n"
        "Random = No, Save = Yes, Time = 20, ViewScore = Yes, Exit = Yes, \n"
        "AskConfirm = Yes, CorrectAnswer = Yes, SendBack = 1, \nPassword = \"\", MaxQue = 0, \n"
        "ForceAns = No, ViewHint = Yes, ViewComm = Yes, StudComm = No, \nClassTest = \"3B\"\n"
        "</ParTest>\n<TextTest>\nUn questionario generato.\n</TextTest>\n";
    for (int q = 0; q < shape.questions; ++q) {
        t += "\n<!--- domanda " + Number(q + 1) + " --->\n<Question>\n<ParQue>\n";
        t += "EnableQue = Yes, ScoreIfSkip = 0, ScoreIfLate = 0, ScoreIfSendBack = 0, \n"
             "TimeQue = 60, TypeQue = MultipleAnswer, HintMode = Natural, \n"
             "ClassQue = \"fiumi\", Image = \"\", \n"
             "Random = No, Selection = Single, TypeSel = Sign, AddTxtNum = None</ParQue>\n";
        t += "<TextQue>\n" + Words(q, 12) + "?\n</TextQue>\n";
        for (int c = 0; c < shape.extraComments; ++c) t += "<!-- nota " + Number(c) + " -->\n";
        for (int a = 0; a < shape.answers; ++a) {
            t += "<!--- risposta " + Number(a + 1) + " --->\n<Answer>\n";
            t += "<ParAns>Score = " + std::string(a == 0 ? "3" : "-1") +
                 ", Correct = " + std::string(a == 0 ? "Yes" : "No") + "</ParAns>\n";
            t += "<TextAns>" + Words(q + a, 4) + "</TextAns>\n</Answer>\n";
        }
        t += "</Question>\n";
    }
    t += "\n</Test>\n";
    return t;
}

std::string ScrambledText(const std::string& plain)
{
    std::string s = plain;
    for (char& c : s)
        if (c != '\n') c = ScrambleChar(c);
    return s;
}

std::string GenerateXmlText(const GeneratedShape& shape)
{
    std::string t =
        "<Test><ParTest Name=\"Generato\" Random=\"No\" Save=\"Yes\" Time=\"20\" ViewScore=\"Yes\" "
        "Exit=\"Yes\" AskConfirm=\"Yes\" CorrectAnswer=\"Yes\" SendBack=\"1\" Password=\"\" "
        "MaxQue=\"0\" ForceAns=\"No\" ViewHint=\"Yes\" ViewComm=\"Yes\" StudComm=\"No\" "
        "ClassTest=\"3B\"/>\n<TextTest>Un questionario generato.</TextTest>\n";
    for (int q = 0; q < shape.questions; ++q) {
        t += "<Question><ParQue EnableQue=\"Yes\" ScoreIfSkip=\"0\" ScoreIfLate=\"0\" ScoreIfSendBack=\"0\" "
             "TimeQue=\"60\" TypeQue=\"MultipleAnswer\" HintMode=\"Natural\" ClassQue=\"fiumi\" Image=\"\" "
             "Random=\"No\" Selection=\"Single\" TypeSel=\"Sign\" AddTxtNum=\"None\"/>\n";
        t += "<TextQue>" + Words(q, 12) + "?</TextQue>\n";
        for (int a = 0; a < shape.answers; ++a)
            t += "<Answer Score=\"" + std::string(a == 0 ? "3" : "-1") + "\" Correct=\"" +
                 std::string(a == 0 ? "Yes" : "No") + "\">" + Words(q + a, 4) + "</Answer>\n";
        t += "</Question>\n";
    }
    t += "</Test>\n";
    return t;
}

std::string GenerateStudentText(const GeneratedShape& shape, int count, const std::string& testName)
{
    std::string t;
    for (int s = 0; s < count; ++s) {
        t += "<!" + std::string(70, '-') + ">\n<Student>\n<StPar>NameTest = \"" + testName +
             "\", NameStudent = \"Studente " + Number(s + 1) +
             "\" ,\nTimeInit = \"01/01/2026 08:00:00\" , TimeLength = \"00:20:00\" ,\n" +
             "TotalScore = 12</StPar>\n";
        for (int q = 0; q < shape.questions; ++q) {
            t += "<Ans>IDAns = " + Number(q) + ", IsValid = Yes, RndAns = " + Number(q) +
                 ", IsCorrect = Yes,\nTimeAns = 30, NumSendBack = 0, Score = 3, TypeQue = MultipleAnswer,\n"
                 "LineAns = \"\", Choice = X" +
                 std::string(shape.answers - 1, '-') + ", StRndRisp = " + Positions(shape.answers) +
                 "</Ans>\n";
        }
        t += "</Student>\n";
    }
    return t;
}

}  // namespace quadrivo
