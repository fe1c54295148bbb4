// A level's pictures decoded on worker threads while its records are read, without a GL context:
// the names found in the file, the batch handing each picture over once, the textures a sprite
// may take before its picture arrives, and every failure reported once in the order asked.
#include <gtest/gtest.h>
#include <lodepng.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>
#include <unistd.h>

#include "graphics/DecodeBatch.h"
#include "graphics/GLTexture.h"
#include "graphics/TextureSystem.h"

namespace {

namespace fs = std::filesystem;

class LevelPictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() /
                 ("vesperine-pictures-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
    void WritePng(const std::string& name, unsigned w, unsigned h)
    {
        std::vector<unsigned char> pixels(std::size_t(w) * h * 4, 200);
        ASSERT_EQ(lodepng::encode((folder / name).string(), pixels, w, h), 0u);
    }
    // What went to the console while run ran, one entry a line.
    template <class Run>
    std::vector<std::string> Reports(Run run)
    {
        std::ostringstream captured;
        std::streambuf* old = std::cerr.rdbuf(captured.rdbuf());
        run();
        std::cerr.rdbuf(old);
        std::vector<std::string> lines;
        std::istringstream in(captured.str());
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
    void ListFolder(Framework::TextureSystem& textures)
    {
        textures.spriteFolder = folder.string();
        textures.LoadFolder(folder.string());
    }
    fs::path folder;
};

TEST_F(LevelPictures, TheNamesAreTheWordsAfterEachSpriteAsTheStreamSplitsThem)
{
    const std::string text =
        "Level\r\n\r\nA\n2\nNone\nSprite\r\nOne.png\r\nColor\n1 1 1\nEnd\n"
        "B\tSprite\t\tTwo.png\vSprite\fOne.png Sprite Sprite Three.png\n"
        "Sprites Four.png sprite Five.png Sprite\n\n   Six.png Sprite";
    std::ofstream(folder / "Level.txt", std::ios::binary) << text;
    std::vector<std::string> expected;
    {
        std::istringstream words(text);
        std::set<std::string> seen;
        bool afterSprite = false;
        for (std::string word; words >> word; afterSprite = word == "Sprite")
            if (afterSprite && seen.insert(word).second)
                expected.push_back(word);
    }
    EXPECT_EQ(expected, (std::vector<std::string>{"One.png", "Two.png", "Sprite", "Three.png", "Six.png"}));
    EXPECT_EQ(Framework::TextureSystem::PicturesOfLevel((folder / "Level.txt").string()), expected);
    EXPECT_TRUE(Framework::TextureSystem::PicturesOfLevel((folder / "None.txt").string()).empty());
}

TEST_F(LevelPictures, TheBatchHandsEachPictureOverOnceAsItDecodesAlone)
{
    std::vector<std::string> paths;
    for (unsigned i = 0; i < 12; ++i) {
        const std::string name = "P" + std::to_string(i) + ".png";
        WritePng(name, 1 + i * 7, 3 + (i % 4) * 5);
        paths.push_back((folder / name).string());
    }
    std::ofstream(folder / "Broken.png") << "not a picture";
    paths.push_back((folder / "Broken.png").string());
    paths.push_back((folder / "Missing.png").string());

    DecodeBatch batch(paths);
    ASSERT_EQ(batch.Size(), paths.size());
    std::multiset<std::size_t> handed;
    std::size_t i = 0;
    while (batch.Next(i, false))  // whatever is done already, without waiting
        handed.insert(i);
    while (batch.Next(i, true))
        handed.insert(i);
    EXPECT_FALSE(batch.Next(i, true));  // all handed over: no wait for more
    ASSERT_EQ(handed.size(), paths.size());
    for (std::size_t k = 0; k < paths.size(); ++k) {
        EXPECT_EQ(handed.count(k), 1u) << k;
        const GLTexture::Decoded picture = batch.Take(k);
        const GLTexture::Decoded alone = GLTexture::Decode(paths[k]);
        EXPECT_EQ(picture.error, alone.error) << k;
        EXPECT_EQ(picture.width, alone.width) << k;
        EXPECT_EQ(picture.height, alone.height) << k;
        EXPECT_TRUE(picture.pixels == alone.pixels) << k;
    }
    EXPECT_EQ(DecodeBatch::PixelBytesOf(paths[11]), 78u * 18u * 4u);
    EXPECT_EQ(DecodeBatch::PixelBytesOf(paths[12]), 0u);  // too short for a header
    EXPECT_EQ(DecodeBatch::PixelBytesOf(paths[13]), 0u);
}

// Without a context nothing uploads: every picture is a report, made once at the end in the
// order the names were asked for, and the texture a holder took early is the one filled.
TEST_F(LevelPictures, ReportsComeOnceInTheOrderAskedAndEarlyHoldersKeepTheirTexture)
{
    WritePng("A.png", 4, 2);
    WritePng("Big.png", 64, 64);
    std::ofstream(folder / "Broken.png") << "not a picture";
    Framework::TextureSystem textures;
    ListFolder(textures);

    std::shared_ptr<GLTexture> early;
    const std::vector<std::string> lines = Reports([&] {
        textures.BeginPreload({"A.png", "Missing.png", "Broken.png", "A.png", "Big.png"});
        EXPECT_TRUE(textures.IsLoaded("A.png"));
        EXPECT_FALSE(textures.IsLoaded("Missing.png"));
        early = textures.GetTexture("Big.png");
        ASSERT_TRUE(early);
        textures.UploadDecoded(false);
        textures.FinishPreload();
    });
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[0].find("A.png\" cannot be uploaded without an OpenGL context"), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find("Broken.png)"), std::string::npos) << lines[1];
    EXPECT_EQ(lines[1].rfind("error ", 0), 0u) << lines[1];
    EXPECT_NE(lines[2].find("Big.png\" cannot be uploaded"), std::string::npos) << lines[2];

    EXPECT_EQ(textures.GetTexture("Big.png"), early);
    EXPECT_EQ(early->width, 64u);
    EXPECT_EQ(early->height, 64u);
    EXPECT_EQ(early->id, 0u);
    EXPECT_EQ(textures.GetTexture("Broken.png")->width, 0u);
    EXPECT_EQ(textures.GetTextureNames(), (std::vector<std::string>{"A.png", "Big.png", "Broken.png"}));

    // Asked again, nothing is decoded or reported a second time.
    EXPECT_TRUE(Reports([&] { textures.Preload({"Broken.png", "A.png", "Big.png"}); }).empty());
    EXPECT_EQ(textures.GetTexture("Big.png"), early);

    // Emptied or started again halfway, the batch under way is finished first.
    EXPECT_EQ(Reports([&] {
                  textures.ClearCache();
                  textures.BeginPreload({"Big.png", "A.png"});
                  textures.BeginPreload({"A.png", "Broken.png"});
                  textures.ClearCache();
              }).size(),
              3u);
    EXPECT_TRUE(textures.GetTextureNames().empty());
}

}  // namespace
