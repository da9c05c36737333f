// tsttool record end to end, on a copy of the sample questionnaire.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "model/test.h"
#include "student/studente.h"
#include "tstfile/testfiles_test.h"

namespace quadrivo::tsttool {

namespace {

class RecordTest : public testing::Test, public RecordedReports {
protected:
    RecordTest()
    {
        std::filesystem::copy_file(QV_SOURCE_DIR "/examples/geografia.tst", dir + "geografia.tst");
    }

    ToolRun Record(const std::string& arguments)
    {
        return RunTsttool(dir, "record geografia.tst " + arguments);
    }

    // The records of the student file, read back by the library.
    CTest Students()
    {
        const std::string path = dir + "geografia.tst";
        CTest test(&errors, CStringa(path.c_str()), CStringa(path.c_str()));
        EXPECT_EQ(test.LoadStudents(), 0);
        return test;
    }

    TempFolder folder{"record"};
    std::string dir = folder.Path() + "/";
};

TEST_F(RecordTest, AnswersAreJudgedAndAppendedOrRefusedWithNothingWritten)
{
    struct Row {
        const char* arguments;
        int status;
        const char* printed;  // the total score, or a piece of the message
    };
    const Row rows[] = {
        {"--name 'Rossi Maria' 1=1 2=1,2,4 3=cagliari 4=652 5=1", 0, "13\n"},
        {"--name Bianchi 1=2 2=1,3 3=Caglari 4=650,5 5=- --seconds 125", 0, "0.5\n"},
        {"--name Verdi", 0, "0\n"},
        {"--name Neri 6=1", 2, "da 1 a 5"},
        {"--name Neri 1=1,2", 2, "una sola risposta"},
        {"--name Neri 2=6", 2, "da 1 a 5"},
        {"--name Neri 4=tanti", 2, "non e' un numero"},
        {"--name Neri 1=1 1=2", 2, "due volte"},
        {"--name '  ' 1=1", 2, "Manca il nome"},
        {"1=1", 2, "Uso: tsttool record"},
    };
    int saved = 0;
    for (const Row& row : rows) {
        const ToolRun run = Record(row.arguments);
        EXPECT_EQ(run.status, row.status) << row.arguments << "\n" << run.err;
        if (row.status == 0) {
            ++saved;
            EXPECT_EQ(run.out, row.printed) << row.arguments;
        } else {
            EXPECT_NE(run.err.find(row.printed), std::string::npos) << row.arguments << "\n" << run.err;
        }
        EXPECT_EQ(Students().StudentCount(), saved) << row.arguments;
    }

    CTest test = Students();
    CStudente& bianchi = *test.GetStudent(1);
    EXPECT_EQ(bianchi.GetTimeLength(), CStringa("2:05"));
    const TCorrect judged[] = {TCorrect::No, TCorrect::Nearly, TCorrect::No, TCorrect::Nearly,
                               TCorrect::Skip};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(bianchi.Answer(i)->GetIsCorrect(), judged[i]) << i;
    EXPECT_EQ(test.GetStudent(2)->Answer(0)->GetIsValid(), 0);  // not given
    EXPECT_FALSE(std::filesystem::exists(dir + "geografia.lck"));
}

TEST_F(RecordTest, RecoverAppendsTheRecordsOfInterruptedRuns)
{
    ASSERT_EQ(Record("--name Rossi 1=1").status, 0);
    // The student file's one record, as an interrupted run would have left it.
    std::filesystem::rename(dir + "geografia.stu", dir + "geografia.004");
    EXPECT_EQ(Record("--recover").out, "Risultati recuperati: 0\n");  // too young yet
    std::filesystem::last_write_time(
        dir + "geografia.004", std::filesystem::file_time_type::clock::now() - std::chrono::minutes(10));
    EXPECT_EQ(Record("--recover").out, "Risultati recuperati: 1\n");
    EXPECT_EQ(Students().StudentCount(), 1);
    EXPECT_FALSE(std::filesystem::exists(dir + "geografia.004"));
}

TEST_F(RecordTest, FortyRecordsSavedAtOnceAreAllThereWhole)
{
#ifdef _WIN32
    GTEST_SKIP() << "the forty runs are started by a POSIX shell";
#endif
    constexpr int kRuns = 40;
    const std::string command = "cd '" + dir + "' && for i in $(seq " + std::to_string(kRuns) +
                                "); do '" QV_TSTTOOL
                                "' record geografia.tst --name \"Alunno $i\" 1=1 "
                                "2=1,2 3=Roma 4=652 >/dev/null & done; wait";
    ASSERT_EQ(std::system(command.c_str()), 0);

    CTest test = Students();
    ASSERT_EQ(test.StudentCount(), kRuns);
    std::set<std::string> names;
    for (int j = 0; j < kRuns; ++j) {
        CStudente& s = *test.GetStudent(j);
        names.insert(s.GetNameStudent().CStr());
        EXPECT_FLOAT_EQ(s.GetTotalScore(), 3 + 2 + 0 + 3) << j;
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(kRuns));
    EXPECT_FALSE(std::filesystem::exists(dir + "geografia.lck"));
}

}  // namespace

}  // namespace quadrivo::tsttool
