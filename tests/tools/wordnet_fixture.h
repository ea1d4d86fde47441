#pragma once
// A WordNet of a few words, in WordNet's own file layout, for the source
// builder's tests: enough to tell nouns, adjectives and adverbs apart, to find
// base forms, and to relate synonyms; and a fixture that reads it.

#include <filesystem>
#include <string>

#include "orderlex/english_words.h"
#include "testing/scratch_dir.h"

namespace quillan::orderlex::testing {

inline void writeWordNet(const std::filesystem::path& dir) {
    namespace qt = quillan::testing;
    std::filesystem::create_directories(dir);
    const std::string licence = "  1 This software and database is being provided\n";
    qt::writeFile(dir / "index.noun",
                  licence +
                      "police n 1 0 1 1 00000010  \nnews n 1 0 1 1 00000011  \n"
                      "student n 1 0 1 1 00000012  \nairplane n 1 0 1 1 00000013  \n"
                      "plane n 2 0 2 2 00000013 00000014  \nwrong n 1 0 1 1 00000015  \n"
                      "band n 1 0 1 1 00000016  \n");
    qt::writeFile(dir / "data.noun",
                  licence +
                      "00000010 00 n 01 police 0 000 | the force\n"
                      "00000011 00 n 01 news 0 000 | information\n"
                      "00000012 00 n 01 student 0 000 | a learner\n"
                      "00000013 00 n 03 airplane 0 aeroplane 0 plane 0 000 | aircraft\n"
                      "00000014 00 n 01 plane 0 000 | a flat surface\n"
                      "00000015 00 n 01 wrong 0 000 | that which is contrary\n"
                      "00000016 00 n 01 band 0 000 | a strip\n");
    qt::writeFile(dir / "index.adj",
                  licence +
                      "new a 1 0 1 9 00000020  \nhard a 1 0 1 5 00000021  \n"
                      "difficult a 1 0 1 4 00000021  \nwrong a 1 0 1 4 00000022  \n"
                      "happy a 1 0 1 3 00000023  \n");
    qt::writeFile(dir / "data.adj", licence +
                                        "00000020 00 a 01 new 0 000 | not old\n"
                                        "00000021 00 a 02 difficult 0 hard 0 000 | not easy\n"
                                        "00000022 00 a 01 wrong 0 000 | not right\n"
                                        "00000023 00 a 01 happy(a) 0 000 | glad\n");
    qt::writeFile(dir / "index.adv", licence + "really r 1 0 1 2 00000030  \n");
    qt::writeFile(dir / "data.adv", licence + "00000030 00 r 01 really 0 000 | truly\n");
    qt::writeFile(dir / "index.verb",
                  licence + "go v 1 0 1 9 00000040  \nstudy v 1 0 1 3 00000041  \n");
    qt::writeFile(
        dir / "data.verb",
        licence + "00000040 00 v 01 go 0 000 | move\n00000041 00 v 01 study 0 000 | learn\n");
    qt::writeFile(dir / "verb.exc", "went go\n");
    qt::writeFile(dir / "noun.exc", "");
    qt::writeFile(dir / "adj.exc", "harder hard\n");
    qt::writeFile(dir / "adv.exc", "");
}

// A scratch directory with that WordNet written and read into english_.
class WordNetTest : public quillan::testing::ScratchDirTest {
  protected:
    void SetUp() override {
        ScratchDirTest::SetUp();
        writeWordNet("wordnet");
        std::string error;
        ASSERT_EQ(english_.read("wordnet", error), 0) << error;
    }
    EnglishWords english_;
};

}  // namespace quillan::orderlex::testing
