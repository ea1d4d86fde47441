#include "orderlex/corpus_review.h"

#include <gtest/gtest.h>

#include "testing/scratch_dir.h"
#include "wordnet_fixture.h"

namespace quillan::orderlex {
namespace {

using Strings = std::vector<std::string>;

CorpusPair pair(std::string chinese, std::string english, std::string links, int64_t line = 1) {
    CorpusPair p;
    p.file = "f.txt";
    p.chineseLine = line;
    p.linksLine = line + 3;
    p.chinese = std::move(chinese);
    p.english = std::move(english);
    p.links = std::move(links);
    return p;
}

class CorpusReviewTest : public testing::WordNetTest {
  protected:
    void SetUp() override {
        WordNetTest::SetUp();
        GbkEncoder encoder;
        LexiconCounts counts;
        lexicon_.build({{"飛機", "飞机", "fei1 ji1", {"airplane"}, {}},
                        {"難", "难", "nan2", {"difficult"}, {}},
                        {"我", "我", "wo3", {"I; me"}, {}},
                        {"的", "的", "de5", {"(possessive particle)"}, {}},
                        {"新", "新", "xin1", {"new"}, {}},
                        {"是", "是", "shi4", {"to be"}, {}},
                        {"不", "不", "bu4", {"not"}, {}},
                        {"不是", "不是", "bu2 shi5", {"fault"}, {}},
                        {"好", "好", "hao3", {"good"}, {}}},
                       encoder, counts);
    }
    Strings messages(const CorpusReview& review, std::string_view kind) {
        Strings found;
        for (const ReviewWarning& warning : review.warnings) {
            if (warning.kind == kind) found.push_back(warning.message);
        }
        return found;
    }
    Lexicon lexicon_;
};

TEST_F(CorpusReviewTest, WarnsAboutLinksWhoseTokenSharesNothingWithTheSenses) {
    const CorpusReview review =
        reviewCorpus({pair("我 的 飞机 难 。", "my planes are hard .", "0-0 1-0 2-1 3-3 3-2 4-4"),
                      pair("飞机 新 的", "a new plane", "0-0 1-1 2-2")},
                     lexicon_, english_, {});
    // 我-my and 的-my by the function words, 飞机-planes by base form and synonym,
    // 难-hard by synonym; 难-are and 飞机-a share nothing, and 的-plane neither.
    EXPECT_EQ(messages(review, "link"), (Strings{"难 - are", "飞机 - a", "的 - plane"}));
    EXPECT_EQ(review.linksChecked, 8);
    EXPECT_TRUE(messages(review, "unlinked").empty());
}

TEST_F(CorpusReviewTest, ReportsUnlinkedWordsCutsDuplicatesFramesAndLengths) {
    std::vector<CorpusPair> pairs = {
        pair("我 不是 好 。", "not my fault", "0-1"),  // 不是 and 好 unlinked
        pair("我 不 是 新 。", "I am not new", "0-0 1-2 3-3"),
        pair("我 不 是 新 。", "I am not new", "0-0 1-2 3-3", 9),
    };
    for (const char* word : {"好", "新", "难", "飞机"})
        pairs.push_back(pair(std::string("我 是 ") + word + " 的", "", "", 20));
    const CorpusReview review = reviewCorpus(pairs, lexicon_, english_, {});
    // 不是 and 好 in the first pair, 我 and the word in each "我 是 _ 的"; 是 and 的
    // need no link.
    EXPECT_EQ(messages(review, "unlinked").size(), 2u + 4u * 2u);
    EXPECT_EQ(messages(review, "segmentation"),
              (Strings{"不是 is whole 1 times and cut as \"不 是\" 2 times"}));
    EXPECT_EQ(messages(review, "duplicate"), (Strings{"the same Chinese as f.txt:1"}));
    // "我 是 _ 的" is used four times.
    EXPECT_TRUE(messages(review, "frame").empty());
    EXPECT_EQ(messages(review, "length").size(), 1u);  // 我 不是 好: 3 words

    pairs.push_back(pair("我 是 不是 的", "", "", 30));
    pairs.push_back(pair("我 是 我 的", "", "", 40));
    const CorpusReview again = reviewCorpus(pairs, lexicon_, english_, {"不是"});
    EXPECT_TRUE(messages(again, "segmentation").empty());
    EXPECT_EQ(messages(again, "frame"), (Strings{"\"我 是 _ 的\" used 6 times"}));
}

TEST_F(CorpusReviewTest, ReadsTheSequencesCutTwoWaysOnPurpose) {
    quillan::testing::writeFile("two-uses.txt", "# why\n不是 the noun and 不 是\n\n还是 still\n");
    std::set<std::string> sequences;
    ASSERT_TRUE(readTwoUses("two-uses.txt", sequences));
    EXPECT_EQ(sequences, (std::set<std::string>{"不是", "还是"}));
    EXPECT_FALSE(readTwoUses("missing.txt", sequences));
}

}  // namespace
}  // namespace quillan::orderlex
