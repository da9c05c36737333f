#include "tstfile/esportacsv.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "model/analisi.h"
#include "student/studente.h"
#include "text/errore.h"
#include "tstfile/testfiles_test.h"

namespace quadrivo {

namespace {

using Table = std::vector<std::vector<std::string>>;

// Reads CSV back as a spreadsheet does: ';' between fields, quoted fields
// with doubled quotes, CR LF between records; the byte order mark first.
Table ReadCsv(const std::string& text)
{
    Table table;
    if (text.rfind("\xEF\xBB\xBF", 0) != 0) {
        ADD_FAILURE() << "no byte order mark";
        return table;
    }
    std::vector<std::string> row(1);
    bool quoted = false;
    for (std::size_t i = 3; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                row.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                row.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ';') {
            row.emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            table.push_back(row);
            row.assign(1, "");
            ++i;
        } else {
            row.back() += c;
        }
    }
    EXPECT_EQ(row, std::vector<std::string>(1)) << "text after the last line end";
    return table;
}

class EsportaCsvTest : public testing::Test, protected RecordedReports {
protected:
    TempFolder folder{"esportacsv"};
};

// The bundled class: five students, five questions, all answered.
TEST_F(EsportaCsvTest, SampleClassFiguresAndFilesReadBack)
{
    const auto test = LoadTest(&errors, kExamplesDir, "geografia.tst");
    ASSERT_EQ(test->Error(), 0);
    ASSERT_EQ(test->LoadStudents(), 0);
    const CAnalisi a = AnalyseItems(*test);

    struct Row {
        double facility, discrimination;
        unsigned flags;
        std::vector<int> choices;
    };
    const Row rows[] = {
        {80, -1.4980537943, kLowDiscrimination | kNegativeDiscrimination, {4, 1, 0, 0}},
        {76, 87.0863572177, 0, {5, 3, 1, 2, 0}},
        {80, 0, kLowDiscrimination, {}},  // the rest of the test does not follow it at all
        {50, 73.7598267907, 0, {}},
        {80, 32.4966841810, 0, {4, 1, 0}},
    };
    ASSERT_EQ(a.items.size(), 5u);
    for (int q = 0; q < 5; ++q) {
        SCOPED_TRACE(q);
        ASSERT_TRUE(a.items[q].facility && a.items[q].discrimination);
        EXPECT_NEAR(*a.items[q].facility, rows[q].facility, 1e-9);
        EXPECT_NEAR(*a.items[q].discrimination, rows[q].discrimination, 1e-9);
        EXPECT_EQ(a.items[q].flags, rows[q].flags);
        EXPECT_EQ(a.items[q].choiceCounts, rows[q].choices);
    }
    // Item variances 3.2, 1.7, 0.8, 2.25, 1.25 against 16.925 for the totals.
    ASSERT_TRUE(a.alpha && a.sem);
    EXPECT_NEAR(*a.alpha, 1.25 * (1 - 9.2 / 16.925), 1e-9);
    EXPECT_NEAR(*a.sem, std::sqrt(16.925 * (1 - *a.alpha)), 1e-9);
    EXPECT_EQ(a.bins, (std::array<int, 10>{0, 0, 0, 0, 1, 1, 1, 0, 0, 2}));

    const std::string students = folder.Path() + "/studenti.csv";
    const std::string items = folder.Path() + "/domande.csv";
    ASSERT_EQ(WriteCsvFile(CStringa(students.c_str()), StudentsCsv(*test, a), &errors), 0);
    ASSERT_EQ(WriteCsvFile(CStringa(items.c_str()), ItemsCsv(*test, a), &errors), 0);

    const Table s = ReadCsv(ReadFile(students));
    ASSERT_EQ(s.size(), 6u);
    for (const auto& row : s) EXPECT_EQ(row.size(), 13u);
    EXPECT_EQ(s[0][3], "D1 punti");
    EXPECT_EQ(s[2], (std::vector<std::string>{"Bianchi Luca", "5,5", "0:11:05", "-1", "Errata", "1", "Errata",
                                              "2", "Esatta", "1,5", "Quasi esatta", "2", "Esatta"}));

    const Table i = ReadCsv(ReadFile(items));
    ASSERT_EQ(i.size(), 6u);
    for (const auto& row : i) EXPECT_EQ(row.size(), 16u);
    EXPECT_EQ(i[0][4], "Facilità");
    EXPECT_EQ(i[1], (std::vector<std::string>{"1", "Qual è il fiume più lungo d'Italia?", "5", "2,2", "80",
                                              "1,79", "-1,5", "4", "0", "1", "0", "0", "0", "1", "1",
                                              "poco discriminante, discrimina al contrario"}));
}

TEST_F(EsportaCsvTest, FieldsAreQuotedAndKeptFromFormulas)
{
    struct Row {
        const char* name;  // as the student file holds it
        const char* time;
        const char* nameField;  // as a spreadsheet reads the fields back
        const char* timeField;
    };
    const Row rows[] = {
        {"=1+1", "75:03", "'=1+1", "1:15:03"},
        {"+39 333", "0:05", "'+39 333", "0:00:05"},
        {"@somma", "1:00", "'@somma", "0:01:00"},
        {"-Rossi", "-1:00", "'-Rossi", "'-1:00"},
        {"Rossi; \"Maria\"\nB.", "abc", "Rossi; \"Maria\"\nB.", "0:00:00"},
        {"D\xE9sir\xE9 \x80", "", "Désiré €", "0:00:00"},
    };
    CTest test(&errors);
    ASSERT_EQ(test.AddQuestion(), 0);
    for (const Row& row : rows) {
        ASSERT_EQ(test.AddStudent(), 0);
        test.LastStudent()->SetNameStudent(CStringa(row.name));
        test.LastStudent()->SetTimeLength(CStringa(row.time));
    }
    const Table t = ReadCsv(StudentsCsv(test, AnalyseItems(test)));
    ASSERT_EQ(t.size(), std::size(rows) + 1);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(t[i + 1][0], rows[i].nameField);
        EXPECT_EQ(t[i + 1][2], rows[i].timeField);
        EXPECT_EQ(t[i + 1][3], "");  // no answer: no points
        EXPECT_EQ(t[i + 1][4], "Non data");
    }

    EXPECT_EQ(WriteCsvFile(CStringa((folder.Path() + "/manca/x.csv").c_str()), "x", &errors), kCannotCreate);
    EXPECT_EQ(recorder.codes, std::vector<int>{kCannotCreate});
}

TEST(DecimalText, RoundsToTwoDecimalsWithAComma)
{
    const std::pair<double, const char*> rows[] = {
        {5.5, "5,5"}, {66.66666, "66,67"}, {13, "13"}, {-0.001, "0"}, {-1.25, "-1,25"}, {NAN, "—"},
    };
    for (const auto& [x, text] : rows) EXPECT_EQ(DecimalText(x), text) << x;
    EXPECT_EQ(FigureText(std::nullopt), "—");
}

}  // namespace

}  // namespace quadrivo
