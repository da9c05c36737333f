#include "editor/core/images.h"

#include <gtest/gtest.h>

#include <fstream>

#include "editor/core/scripted_platform.h"

namespace quadrivo::editor {

namespace {

namespace fs = std::filesystem;

class ImagesTest : public ScriptedEditorTest {
protected:
    void SetUp() override
    {
        fs::create_directory(scratch.Path() / "altrove");
        std::ofstream(scratch.File("qui.png")) << "png";
        std::ofstream(scratch.File("altrove/mappa.png")) << "mappa";
    }
    ScratchDirectory scratch{app};
};

TEST_F(ImagesTest, PreviewFindsTheImageInTheQuestionnairesFolderOrSaysWhy)
{
    const std::string here = (scratch.Path() / "qui.png").lexically_normal().string();
    EXPECT_EQ(PreviewImage(app, ""), ImagePreview{});
    EXPECT_EQ(PreviewImage(app, "NUL"), ImagePreview{});
    EXPECT_EQ(PreviewImage(app, "qui.png"), (ImagePreview{here, ""}));
    EXPECT_EQ(PreviewImage(app, here), (ImagePreview{here, ""}));
    EXPECT_EQ(PreviewImage(app, "altrove/../qui.png"), (ImagePreview{here, ""}));
    EXPECT_EQ(PreviewImage(app, "manca.gif"), (ImagePreview{"", "Immagine non trovata: manca.gif"}));
}

TEST_F(ImagesTest, AnImageFromAnotherFolderIsCopiedBesideTheQuestionnaireWhenTheTeacherAgrees)
{
    const std::string other = scratch.File("altrove/mappa.png");
    // An untitled test has no folder of its own: nothing is asked.
    EXPECT_EQ(PlaceChosenImage(app, other), other);
    EXPECT_TRUE(platform.questions.empty());

    app.currentTest.SetPathName(CStringa("quiz.tst"));
    EXPECT_EQ(PlaceChosenImage(app, scratch.File("qui.png")), "qui.png");
    EXPECT_TRUE(platform.questions.empty());

    platform.yesNoAnswers = {false};
    EXPECT_EQ(PlaceChosenImage(app, other), other);
    EXPECT_FALSE(fs::exists(scratch.Path() / "mappa.png"));

    platform.yesNoAnswers = {true};
    EXPECT_EQ(PlaceChosenImage(app, other), "mappa.png");
    EXPECT_EQ(platform.questions.size(), 2u);
    std::ifstream copy(scratch.File("mappa.png"));
    std::string content;
    copy >> content;
    EXPECT_EQ(content, "mappa");

    // Never over a file of the same name.
    std::ofstream(scratch.File("altrove/qui.png")) << "altra";
    platform.yesNoAnswers = {true};
    EXPECT_EQ(PlaceChosenImage(app, scratch.File("altrove/qui.png")), scratch.File("altrove/qui.png"));
    ASSERT_EQ(platform.infos.size(), 1u);
    std::ifstream kept(scratch.File("qui.png"));
    kept >> content;
    EXPECT_EQ(content, "png");
}

}  // namespace

}  // namespace quadrivo::editor
