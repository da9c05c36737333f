#include "text/lettore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "text/blocco.h"
#include "text/fixtures_test.h"

namespace quadrivo {

namespace {

std::string Str(const CStringa& s)
{
    return std::string(s.CStr(), s.Length());
}

std::string Scrambled(std::string text)
{
    for (char& c : text) c = ScrambleChar(c);
    return text;
}

class LettoreTest : public testing::Test, protected RecordedReports {
protected:
    // Writes the file byte for byte and gives its name.
    CStringa File(const std::string& text, const char* name = "a.tst")
    {
        const std::string path = (dir / name).string();
        WriteFile(path, text);
        return CStringa(path.c_str());
    }

    // Reads section tag, with reports, from a file of its own holding text.
    int ReadSectionOf(const std::string& text, const char* tag)
    {
        CLettore reader(&errors, File(text));
        return reader.ReadSection(CStringa(tag), out, true);
    }

    // The block's text and its lines, to compare with what a read should give.
    struct Section {
        std::string text;
        int firstLine;
        int lastLine;
        bool operator==(const Section&) const = default;
        friend void PrintTo(const Section& s, std::ostream* out)
        {
            *out << testing::PrintToString(s.text) << " in lines " << s.firstLine << " ... " << s.lastLine;
        }
    };
    Section Block() const { return {Str(out.Text), out.FirstLine, out.LastLine}; }

    TempFolder folder{"lettore"};
    std::filesystem::path dir = folder.Path();
    CBlocco out{&errors, "unchanged"};
};

TEST_F(LettoreTest, ReadsASectionWithoutCommentsAndWithItsLines)
{
    CLettore reader(&errors, File("<Test>\n<ParTest>\n<!-- c -->Name = \"x\"\n</partest>\nrest"));
    ASSERT_EQ(reader.Error(), 0);
    EXPECT_EQ(reader.SkipTo(CStringa("<test>"), true), 0);
    EXPECT_EQ(reader.ReadSection(CStringa("ParTest"), out, true), 0);
    EXPECT_EQ(Block(), (Section{"\nName = \"x\"\n", 1, 4}));
    EXPECT_EQ(out.Errors, &errors);
    int first = 0, current = 0;
    reader.GetLines(first, current);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(current, 4);
    EXPECT_TRUE(recorder.codes.empty());
}

TEST_F(LettoreTest, BrokenPartialMatchIsNotRetriedAsTheFirstCharacter)
{
    CLettore reader(&errors, File("<<Test>"));
    EXPECT_EQ(reader.SkipTo(CStringa("<Test>"), false), kMissingTag);
}

TEST_F(LettoreTest, BrokenPartialMatchHidesAClosingTag)
{
    CLettore reader(&errors, File("<ParTest>a = 1<</ParTest>"));
    EXPECT_EQ(reader.ReadSection(CStringa("ParTest"), out, false), kMissingTag);
    EXPECT_EQ(Str(out.Text), "unchanged");
}

// On random texts made of pieces of closing tags, a section
// ends where a search that tries every '<' in turn (not again the one that
// broke a partial match) finds its closing tag.
TEST_F(LettoreTest, SectionEndsWhereTryingEveryLessThanFindsItsClosingTag)
{
    const std::string tag = "</qu>";
    const auto expected = [&tag](const std::string& text) {
        for (std::size_t at = 0, c; (c = text.find('<', at)) != std::string::npos; at = c + 1) {
            std::size_t k = 1;
            while (k < tag.size() && c + k < text.size() && (text[c + k] | 0x20) == tag[k]) ++k;
            if (k == tag.size()) return c;
            c += k;
        }
        return std::string::npos;
    };
    // Pieces of tags, so that partial matches often break on a '<'.
    const char* const pieces[] = {"</qu", "</Q", "<", "/qU>", "u>", "x", "<<"};
    unsigned seed = 5;
    for (int round = 0; round < 400; ++round) {
        std::string content;
        const unsigned count = ((seed = seed * 1103515245u + 12345u) >> 16) % 12;
        for (unsigned i = 0; i < count; ++i)
            content += pieces[((seed = seed * 1103515245u + 12345u) >> 16) % 7];
        const std::size_t end = expected(content);
        const int result = ReadSectionOf("<qu>" + content, "qu");
        if (end == std::string::npos) {
            EXPECT_EQ(result, kMissingTag) << content;
        } else {
            ASSERT_EQ(result, 0) << content;
            EXPECT_EQ(Str(out.Text), content.substr(0, end)) << content;
        }
    }
}

TEST_F(LettoreTest, LinesAreCountedOnLineFeedsOnly)
{
    ASSERT_EQ(ReadSectionOf("\r\r\n\r<A>\n\rx\r\n</A>\r", "A"), 0);
    // Files are read in text mode, which on Windows turns CR LF into LF.
    EXPECT_EQ(Block(), (Section{kTextModeEndsLinesWithCrLf ? "\n\rx\n" : "\n\rx\r\n", 1, 4}));
}

TEST_F(LettoreTest, SectionsFollowEachOtherInLines)
{
    CLettore reader(&errors, File("<A>1</A>\n\n<B>\n2\n</B>"));
    ASSERT_EQ(reader.ReadSection(CStringa("A"), out, true), 0);
    ASSERT_EQ(reader.ReadSection(CStringa("b"), out, true), 0);
    EXPECT_EQ(Block(), (Section{"\n2\n", 1, 5}));
}

TEST_F(LettoreTest, SectionJustBelowTheLimitIsRead)
{
    const std::string content(MAX_SECTION_TEXT - 1 - 4, 'x');  // plus "</A>"
    EXPECT_EQ(ReadSectionOf("<A>" + content + "</A>", "A"), 0);
    EXPECT_EQ(out.Text.Length(), content.size());
}

TEST_F(LettoreTest, SectionAtTheLimitFailsWithMessageWhenAsked)
{
    const CStringa name = File("\n<A>" + std::string(MAX_SECTION_TEXT - 4, 'x') + "</A>");
    CLettore reader(&errors, name);
    EXPECT_EQ(reader.ReadSection(CStringa("A"), out, true), kSectionTooLong);
    EXPECT_EQ(Str(out.Text), "unchanged");
    EXPECT_EQ(out.LastLine, 2);
    EXPECT_EQ(recorder.codes, std::vector<int>{kSectionTooLong});
    EXPECT_EQ(recorder.messages,
              std::vector<std::string>{"Il file \"" + Str(name) + "\" e' > di 8388608 byte"});
}

// Where the closing tag, or the file, ends beside the section limit decides
// between a section, a section too long and a missing tag; the lines read
// are counted up to where the reading stopped.
TEST_F(LettoreTest, TheLimitIsCountedUpToTheClosingTagsLastCharacter)
{
    const std::size_t room = MAX_SECTION_TEXT - 1;  // characters a section may read
    const struct {
        const char* what;
        std::string content;
        std::string after;
        int result;
        int lastLine;
    } rows[] = {
        {"tag ends on the last character allowed", std::string(room - 5, 'x') + "\n", "</A>\n", 0, 2},
        {"tag ends one past it", std::string(room - 4, 'x') + "\n", "</A>\n", kSectionTooLong, 2},
        {"tag begins just before the limit", std::string(room - 2, 'x'), "</A>\n\n", kSectionTooLong, 1},
        {"a broken match hides the tag", std::string(room - 6, 'x') + "<", "</A>xxx", kSectionTooLong, 1},
        {"file ends before the limit", std::string(room - 10, 'x') + "\n\n", "</", kMissingTag, 3},
        {"line ends after the limit are not counted", std::string(room + 2, 'x'), "\n\n</A>", kSectionTooLong,
         1},
    };
    for (const auto& row : rows) {
        CLettore reader(&errors, File("<A>" + row.content + row.after));
        EXPECT_EQ(reader.ReadSection(CStringa("A"), out, false), row.result) << row.what;
        EXPECT_EQ(out.LastLine, row.lastLine) << row.what;
    }
}

// Only a missing opening tag can be the expected end of a file: a section
// that has begun and cannot be read is a damaged file, always reported.
TEST_F(LettoreTest, BegunSectionThatCannotBeReadIsReportedEvenUnasked)
{
    CLettore reader(&errors, File("<A>" + std::string(MAX_SECTION_TEXT + 100, 'x') + "</A>"));
    EXPECT_EQ(reader.ReadSection(CStringa("A"), out, false), kSectionTooLong);
    EXPECT_EQ(Str(out.Text), "unchanged");
    EXPECT_EQ(recorder.codes, std::vector<int>{kSectionTooLong});
    recorder.Clear();
    CLettore cut(&errors, File("x\n<A>\n\n", "b.tst"));
    EXPECT_EQ(cut.ReadSection(CStringa("B"), out, false), kMissingOpeningTag);
    EXPECT_TRUE(recorder.codes.empty());
    EXPECT_EQ(cut.Reopen(), 0);
    EXPECT_EQ(cut.ReadSection(CStringa("A"), out, false), kMissingTag);
    EXPECT_EQ(recorder.messages, (std::vector<std::string>{"Errore nelle linee 1 ... 4", "Tag </A> errato"}));
}

TEST_F(LettoreTest, MissingOpeningTagIsSixAfterMessagesNineAndEight)
{
    CLettore reader(&errors, File("a\nb\n"));
    EXPECT_EQ(reader.ReadSection(CStringa("TextTest"), out, true), kMissingOpeningTag);
    EXPECT_EQ(reader.Error(), kMissingOpeningTag);
    EXPECT_EQ(Str(out.Text), "unchanged");
    EXPECT_EQ(recorder.messages,
              (std::vector<std::string>{"Errore nelle linee 1 ... 3", "Tag <TextTest> errato"}));
}

TEST_F(LettoreTest, MissingClosingTagIsEightWithTheLinesSearched)
{
    EXPECT_EQ(ReadSectionOf("x\n<Question>\nabc\n", "Question"), kMissingTag);
    EXPECT_EQ(Block(), (Section{"unchanged", 1, 4}));
    EXPECT_EQ(recorder.codes, (std::vector<int>{kErrorLines, kMissingTag}));
    EXPECT_EQ(recorder.messages.back(), "Tag </Question> errato");
}

TEST_F(LettoreTest, ErrorIsStickyUntilReopen)
{
    CLettore reader(&errors, File("<A>1\n</A>\n"));
    ASSERT_EQ(reader.ReadSection(CStringa("B"), out, false), kMissingOpeningTag);
    EXPECT_EQ(reader.ReadSection(CStringa("A"), out, true), kMissingOpeningTag);
    EXPECT_EQ(reader.SkipTo(CStringa("<A>"), true), kMissingOpeningTag);
    EXPECT_EQ(reader.SkipTo(CStringa(""), true), kMissingOpeningTag);
    EXPECT_TRUE(recorder.codes.empty());

    EXPECT_EQ(reader.Reopen(), 0);
    int first = 0, current = 0;
    reader.GetLines(first, current);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(current, 1);
    ASSERT_EQ(reader.ReadSection(CStringa("A"), out, true), 0);
    EXPECT_EQ(Str(out.Text), "1\n");
}

TEST_F(LettoreTest, FailedSectionReadsNothingFurther)
{
    CLettore reader(&errors, File("<A>\n\n"));
    ASSERT_EQ(reader.ReadSection(CStringa("A"), out, false), kMissingTag);
    recorder.Clear();
    out.SetLines(0, 0);
    EXPECT_EQ(reader.ReadSection(CStringa("A"), out, true), kMissingTag);
    EXPECT_EQ(out.FirstLine, 0);  // returned before touching the block
    EXPECT_TRUE(recorder.codes.empty());
}

TEST_F(LettoreTest, EmptyPatternReadsNothing)
{
    CLettore reader(&errors, File("\n<A>x</A>"));
    EXPECT_EQ(reader.SkipTo(CStringa(""), true), 0);
    EXPECT_EQ(reader.ReadSection(CStringa("A"), out, true), 0);
    EXPECT_EQ(out.FirstLine, 1);
}

// Read again from the file or from the text already read, in either order
// with the map: and once a section has been cut out of the text (its
// comment removed in place), going back gives the file's text again.
TEST_F(LettoreTest, ScrambledFileReadsBackPlainAfterReopenOrRewind)
{
    const CStringa name = File(Scrambled("<Test>\n<ParTest>Name = \"Ab 0\"<!x>\n</ParTest>"));
    for (const bool rewind : {false, true}) {
        CLettore reader(&errors, name);
        ASSERT_EQ(reader.SkipTo(CStringa("<Test>"), false), kMissingTag);
        reader.SetScrambled(1);
        for (int pass = 0; pass < 2; ++pass) {
            ASSERT_EQ(rewind ? reader.Rewind() : reader.Reopen(), 0);
            ASSERT_EQ(reader.SkipTo(CStringa("<Test>"), true), 0);
            ASSERT_EQ(reader.ReadSection(CStringa("ParTest"), out, true), 0);
            EXPECT_EQ(Str(out.Text), "Name = \"Ab 0\"\n");
            EXPECT_EQ(out.LastLine, 3);
        }
    }
}

TEST_F(LettoreTest, ScrambledFileGivesBackEveryByte)
{
#ifdef _WIN32
    GTEST_SKIP() << "a file read as text on Windows ends at its first Ctrl-Z";
#endif
    std::string every;
    for (int c = 0; c < 256; ++c) every += static_cast<char>(c);
    CLettore reader(&errors, File(Scrambled(every)));
    reader.SetScrambled(1);
    std::string read;
    for (int c = 0; c < 256; ++c) read += static_cast<char>(reader.ReadChar());
    EXPECT_EQ(read, every);
}

TEST_F(LettoreTest, UnopenableFileIsThreeWithItsName)
{
    const CStringa name((dir / "none.tst").string().c_str());
    CLettore reader(&errors, name);
    EXPECT_EQ(reader.Error(), kCannotRead);
    EXPECT_EQ(reader.ReadSection(CStringa("A"), out, true), kCannotRead);
    EXPECT_EQ(recorder.messages,
              std::vector<std::string>{"Problemi nella lettura del file \"" + Str(name) + "\""});
}

TEST_F(LettoreTest, FolderIsAFileThatCannotBeRead)
{
    const CStringa name(dir.string().c_str());
    CLettore reader(&errors, name);
    EXPECT_EQ(reader.Error(), kCannotRead);
    EXPECT_EQ(recorder.messages,
              std::vector<std::string>{"Problemi nella lettura del file \"" + Str(name) + "\""});
}

TEST_F(LettoreTest, EmptyFileOpensAndHasNoSections)
{
    CLettore reader(&errors, File(""));
    EXPECT_EQ(reader.Error(), 0);
    EXPECT_EQ(reader.ReadSection(CStringa("A"), out, false), kMissingOpeningTag);
    EXPECT_TRUE(recorder.codes.empty());
}

TEST_F(LettoreTest, ReopenOfAFileThatAppearedLaterReads)
{
    const CStringa name((dir / "late.tst").string().c_str());
    CLettore reader(&errors, name);
    ASSERT_EQ(reader.Error(), kCannotRead);
    File("<A>late</A>", "late.tst");
    ASSERT_EQ(reader.Reopen(), 0);
    ASSERT_EQ(reader.ReadSection(CStringa("A"), out, true), 0);
    EXPECT_EQ(Str(out.Text), "late");
}

TEST_F(LettoreTest, ReopenOfAVanishedFileIsThree)
{
    const CStringa name = File("<A>x</A>");
    CLettore reader(&errors, name);
    std::filesystem::remove(name.CStr());
    EXPECT_EQ(reader.Reopen(), kCannotRead);
    EXPECT_EQ(reader.Error(), kCannotRead);
    EXPECT_EQ(recorder.codes, std::vector<int>{kCannotRead});
}

}  // namespace

}  // namespace quadrivo
