// The heap work of a load, counted rather than timed: comments inside a
// section cost the same per byte however many there are, and a record costs
// a few allocations whatever the size of its file.

#include <gtest/gtest.h>

#include <string>

#include "text/allocazioni_test.h"
#include "tstfile/testfiles_test.h"

using quadrivo::heap::allocatedBytes;
using quadrivo::heap::allocations;

namespace quadrivo {
namespace {

const std::string kComment = "<!-- una nota -->\n";

struct HeapWork {
    std::size_t allocations;
    std::size_t bytes;
};

// One question whose section holds count comments before its answer.
HeapWork LoadWithComments(int count)
{
    TempFolder folder("costo");
    std::string text =
        "<Test>\n<ParTest>Name = \"Note\"</ParTest>\n<TextTest>t</TextTest>\n<Question>\n"
        "<ParQue>TypeQue = MultipleAnswer</ParQue>\n<TextQue>q</TextQue>\n";
    for (int i = 0; i < count; ++i) text += kComment;
    text +=
        "<Answer><ParAns>Score = 1, Correct = "
        "Yes</ParAns><TextAns>a</TextAns></Answer>\n</Question>\n</Test>\n";
    WriteFile(folder.Path() + "/note.tst", text);

    RecordedReports reports;
    allocations = allocatedBytes = 0;
    const auto test = LoadTest(&reports.errors, folder.Path() + "/", "note.tst");
    const HeapWork work{allocations, allocatedBytes};
    EXPECT_EQ(test->Error(), 0);
    EXPECT_EQ(test->QuestionCount(), 1);
    EXPECT_TRUE(reports.recorder.codes.empty());
    return work;
}

TEST(CaricatoreCosto, CommentsCostHeapLinearInTheirNumber)
{
    const HeapWork few = LoadWithComments(1000);
    const HeapWork many = LoadWithComments(4000);
    // Removing the comments one at a time copied the rest of the section
    // each time: thousands of heap bytes for each byte of comment.
    const std::size_t moreFileBytes = 3000 * kComment.size();
    EXPECT_LE(many.bytes - few.bytes, 4 * moreFileBytes);
    EXPECT_LE(many.allocations, few.allocations + 8);
}

struct Shape {
    int questions;
    int answers;
    int commentsPerAnswer;
};

struct Allocations {
    std::size_t loading;
    std::size_t saving;
};

// Allocations of loading a questionnaire of that shape, then of saving it.
Allocations AllocationsOf(const Shape& shape)
{
    TempFolder folder("record");
    std::string text = "<Test>\n<ParTest>Name = \"R\"</ParTest>\n<TextTest>t</TextTest>\n";
    for (int q = 0; q < shape.questions; ++q) {
        text += "<Question>\n<ParQue>TypeQue = MultipleAnswer, ClassQue = \"c\"</ParQue>\n";
        text += "<TextQue>domanda " + std::to_string(q) + "</TextQue>\n";
        for (int a = 0; a < shape.answers; ++a) {
            for (int c = 0; c < shape.commentsPerAnswer; ++c) text += kComment;
            text += "<Answer><ParAns>Score = 1, Correct = No</ParAns><TextAns>risposta " +
                    std::string(static_cast<std::size_t>(a % 7) * 5, 'x') + "</TextAns></Answer>\n";
        }
        text += "</Question>\n";
    }
    text += "</Test>\n";
    WriteFile(folder.Path() + "/r.tst", text);

    RecordedReports reports;
    allocations = 0;
    const auto test = LoadTest(&reports.errors, folder.Path() + "/", "r.tst");
    const std::size_t loading = allocations;
    allocations = 0;
    EXPECT_EQ(test->SaveCurrent(), 0);
    const std::size_t saving = allocations;
    EXPECT_EQ(test->QuestionCount(), shape.questions);
    EXPECT_TRUE(reports.recorder.codes.empty());
    return {loading, saving};
}

TEST(CaricatoreCosto, EachRecordCostsAFewAllocationsAtEverySize)
{
    // Parameter lists once cost a hundred allocations each, and every
    // question made all its answer objects on the heap.
    const Allocations empty = AllocationsOf({0, 0, 0});
    for (const Shape shape : {Shape{1, 20, 0}, Shape{40, 20, 0}, Shape{200, 3, 0}, Shape{100, 1, 0},
                              Shape{50, 20, 4}, Shape{300, 20, 0}}) {
        SCOPED_TRACE(std::to_string(shape.questions) + "x" + std::to_string(shape.answers) + " comments " +
                     std::to_string(shape.commentsPerAnswer));
        const std::size_t questions = static_cast<std::size_t>(shape.questions);
        const std::size_t answers = questions * static_cast<std::size_t>(shape.answers);
        // The list of questions grows by doubling, and the file's names
        // and the folder it sits in take what their lengths ask: a few
        // dozen more in all, whatever the size.
        const Allocations counted = AllocationsOf(shape);
        EXPECT_LE(counted.loading, empty.loading + 8 * questions + answers + 40);
        // Saving once joined every line out of a dozen pieces.
        EXPECT_LE(counted.saving, empty.saving + 16 * questions + 2 * answers + 40);
    }
}

}  // namespace
}  // namespace quadrivo
