#include "orderlex/english_words.h"

#include <gtest/gtest.h>

#include "testing/scratch_dir.h"
#include "wordnet_fixture.h"

namespace quillan::orderlex {
namespace {

using EnglishWordsTest = testing::WordNetTest;

TEST_F(EnglishWordsTest, FindsBaseFormsPartOfSpeechAndSynonyms) {
    EXPECT_EQ(english_.lemmas("went"), (std::vector<std::string>{"go"}));
    EXPECT_EQ(english_.lemmas("Studies"), (std::vector<std::string>{"study"}));
    EXPECT_EQ(english_.lemmas("harder"), (std::vector<std::string>{"hard"}));
    // "news" is a noun of its own, not the plural of the adjective "new".
    EXPECT_EQ(english_.mainPos("news"), EnglishPos::Noun);
    EXPECT_EQ(english_.mainPos("wrong"), EnglishPos::Adjective);  // more senses seen as one
    EXPECT_EQ(english_.mainPos("really"), EnglishPos::Adverb);
    EXPECT_EQ(english_.mainPos("go"), EnglishPos::None);  // verbs are not asked for
    EXPECT_TRUE(english_.related("hard", "difficult"));
    EXPECT_TRUE(english_.related("planes", "airplane"));
    EXPECT_TRUE(english_.related("went", "go"));
    EXPECT_FALSE(english_.related("plane", "news"));
}

TEST_F(EnglishWordsTest, NamesAMissingFile) {
    std::filesystem::remove("wordnet/data.adv");
    EnglishWords english;
    std::string error;
    EXPECT_EQ(english.read("wordnet", error), -1);
    EXPECT_NE(error.find("data.adv"), std::string::npos);
}

}  // namespace
}  // namespace quillan::orderlex
