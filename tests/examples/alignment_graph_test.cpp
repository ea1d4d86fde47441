#include "examples/alignment_graph.h"

#include <graphviz/cgraph.h>
#include <graphviz/gvc.h>
#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "store/text_conversion.h"
#include "testing/scratch_dir.h"

namespace quillan {
namespace {

using testing::readFile;

// GBK bytes of a UTF-8 literal, through the real converter.
std::string gbk(std::string_view utf8) {
    const Conversion converted = convertText("gbk", "utf-8", utf8);
    EXPECT_TRUE(converted.ok) << utf8;
    return converted.bytes;
}

std::string between(const std::string& text, std::string_view from, std::string_view to,
                    size_t start = 0) {
    const size_t begin = text.find(from, start);
    if (begin == std::string::npos) return "(missing start)";
    const size_t end = text.find(to, begin + from.size());
    if (end == std::string::npos) return "(missing end)";
    return text.substr(begin + from.size(), end - begin - from.size());
}

// The rows of a composed DOT text, each as the lines it holds.
std::string annotationRow(const std::string& dot) {
    return between(dot, "CELLSPACING=\"0\">\n<TR>\n", "</TR>\n<TR>\n");
}
std::string chineseRow(const std::string& dot) { return between(dot, "</TR>\n<TR>\n", "</TR>"); }
std::string englishRow(const std::string& dot) {
    return between(dot, "CELLSPACING=\"0\">\n<TR>", "</TR>", dot.find("struct2 ["));
}
std::string linkLines(const std::string& dot) {
    return between(dot, "</TR></TABLE>>];\n", "}\r\n", dot.find("struct2 ["));
}

SentencePair pair(std::string chinese, std::string english, std::string annotation,
                  std::string alignment) {
    return SentencePair{.chineseText = std::move(chinese),
                        .englishText = std::move(english),
                        .annotationText = std::move(annotation),
                        .alignmentText = std::move(alignment)};
}

struct PngSize {
    bool isPng = false;
    uint32_t width = 0;
    uint32_t height = 0;
};

uint32_t bigEndian32(const std::string& bytes, size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

// Reads the signature and the IHDR chunk that opens every PNG file.
PngSize pngSize(const std::string& bytes) {
    PngSize size;
    static const std::string kSignature = "\x89PNG\r\n\x1A\n";
    if (bytes.size() < 24 || bytes.compare(0, 8, kSignature) != 0 ||
        bytes.compare(12, 4, "IHDR") != 0)
        return size;
    size.isPng = true;
    size.width = bigEndian32(bytes, 16);
    size.height = bigEndian32(bytes, 20);
    return size;
}

// The worked example: four words, the second looked up, cells a, bc and d.
SentencePair workedExample() {
    return pair(gbk("我 看见 它 了"), "I see it .", "a:0 b:1 c:-1 d:2", "0-0 1-1 3-2 5");
}

TEST(AlignmentDot, WorkedExampleGivesTheTwentyFiveLines) {
    const std::string expected =
        "graph g {\n"
        "node [shape = box,fontname=\"simsun.ttc\"];\n"
        "struct1 [label=< <TABLE BORDER=\"0\" CELLBORDER=\"0\" CELLSPACING=\"0\">\n"
        "<TR>\n"
        "<TD>a</TD>\n"
        "<TD><FONT COLOR=\"BLUE\">bc</FONT></TD>\n"
        "<TD>d</TD>\n"
        "<TD> .</TD>\n"
        "</TR>\n"
        "<TR>\n"
        "<TD PORT=\"f0\">我</TD>\n"
        "<TD PORT=\"f1\"><FONT COLOR=\"BLUE\">看见</FONT></TD>\n"
        "<TD PORT=\"f2\">它</TD>\n"
        "<TD PORT=\"f3\">了</TD>\n"
        "</TR></TABLE>>];\n"
        "struct2 [label=< <TABLE BORDER=\"0\" CELLBORDER=\"0\" CELLSPACING=\"0\">\n"
        "<TR><TD PORT=\"f0\">I</TD>\n"
        "<TD PORT=\"f1\">see</TD>\n"
        "<TD PORT=\"f2\">it</TD>\n"
        "<TD PORT=\"f3\">.</TD>\n"
        "</TR></TABLE>>];\n"
        "struct1:f0 -- struct2:f0 ; \n"
        "struct1:f1 -- struct2:f1 ; \n"
        "struct1:f3 -- struct2:f2 ; \n"
        "}\r\n";
    EXPECT_EQ(composeAlignmentDot(workedExample(), gbk("看见")), expected);
}

TEST(AlignmentDot, LastOccurrenceOfTheWordIsBlueAndPartialMatchesAreNot) {
    const SentencePair twice = pair(gbk("他 说 他 说"), "he said", "a:0 b:1 c:2 d:3", "");
    const std::string dot = composeAlignmentDot(twice, gbk("说"));
    EXPECT_EQ(annotationRow(dot),
              "<TD>a</TD>\n<TD>b</TD>\n<TD>c</TD>\n<TD><FONT COLOR=\"BLUE\">d</FONT></TD>\n");
    EXPECT_EQ(chineseRow(dot),
              "<TD PORT=\"f0\">他</TD>\n<TD PORT=\"f1\">说</TD>\n<TD PORT=\"f2\">他</TD>\n"
              "<TD PORT=\"f3\"><FONT COLOR=\"BLUE\">说</FONT></TD>\n");

    const SentencePair longer = pair(gbk("说话 他"), "x", "a:0 b:1", "");
    EXPECT_EQ(composeAlignmentDot(longer, gbk("说")).find("BLUE"), std::string::npos);
    EXPECT_EQ(composeAlignmentDot(longer, gbk("说话他")).find("BLUE"), std::string::npos);
    // English tokens are never blue, even when they equal the word.
    EXPECT_EQ(composeAlignmentDot(pair("x", "go", "", ""), "go").find("BLUE"), std::string::npos);
}

TEST(AlignmentDot, AnnotationTokensFormCellsPaddedOrDroppedToTheWords) {
    const std::string threeWords = "W0 W1 W2";
    // "x:-1" at the start opens a cell; "y:" and "z" have fewer than two pieces.
    EXPECT_EQ(annotationRow(composeAlignmentDot(pair(threeWords, "", "x:-1 y: z q:4:9", ""), "?")),
              "<TD>x</TD>\n<TD>q</TD>\n<TD> .</TD>\n");
    // ":5" makes an empty cell: no box, but the padding starts after it.
    EXPECT_EQ(annotationRow(composeAlignmentDot(pair(threeWords, "", "a:0 :5", ""), "?")),
              "<TD>a</TD>\n<TD> .</TD>\n");
    // Five cells over three words: two are dropped and nothing is padded.
    EXPECT_EQ(
        annotationRow(composeAlignmentDot(pair(threeWords, "", "a:0 b:1 c:2 d:3 e:4", ""), "?")),
        "<TD>a</TD>\n<TD>b</TD>\n<TD>c</TD>\n");
    // No tokens at all: one padding box per word.
    EXPECT_EQ(annotationRow(composeAlignmentDot(pair(threeWords, "", "", ""), "?")),
              "<TD> .</TD>\n<TD> .</TD>\n<TD> .</TD>\n");
    // Doubled blanks between tokens are skipped.
    EXPECT_EQ(annotationRow(composeAlignmentDot(pair(threeWords, "", "a:0  b:-1", ""), "?")),
              "<TD>ab</TD>\n<TD> .</TD>\n<TD> .</TD>\n");
}

TEST(AlignmentDot, EmptyWordsWriteNoBoxButKeepTheirPositions) {
    const std::string dot = composeAlignmentDot(pair("W0  W2 W3", "I  it", "", ""), "W2");
    EXPECT_EQ(chineseRow(dot),
              "<TD PORT=\"f0\">W0</TD>\n<TD PORT=\"f2\"><FONT COLOR=\"BLUE\">W2</FONT></TD>\n"
              "<TD PORT=\"f3\">W3</TD>\n");
    // The empty word still counts for the annotation row's padding.
    EXPECT_EQ(annotationRow(dot), "<TD> .</TD>\n<TD> .</TD>\n<TD> .</TD>\n<TD> .</TD>\n");
    EXPECT_EQ(englishRow(dot), "<TD PORT=\"f0\">I</TD>\n<TD PORT=\"f2\">it</TD>\n");
}

TEST(AlignmentDot, LinksNeedTwoEndsThatAreNumbersOrEmpty) {
    const std::string dot = composeAlignmentDot(
        pair("W0", "I", "", "2-3-4 7 7- -3 9-9  a-b 0-0;evil[label=\"x\"] 1-2x 5--"), "W0");
    EXPECT_EQ(linkLines(dot),
              "struct1:f2 -- struct2:f3 ; \n"
              "struct1:f -- struct2:f3 ; \n"
              "struct1:f9 -- struct2:f9 ; \n"
              "struct1:f5 -- struct2:f ; \n");
    EXPECT_EQ(linkLines(composeAlignmentDot(pair("W0", "I", "", ""), "W0")), "");
}

TEST(AlignmentDot, FailedConversionsKeepTheirBoxes) {
    // A Chinese word with a bad byte shows what was converted before it.
    const std::string badWord = gbk("你好") + "\xFF" + gbk("吗");
    const std::string dot = composeAlignmentDot(pair(badWord + " \xFF", "", "", ""), "x");
    EXPECT_EQ(chineseRow(dot), "<TD PORT=\"f0\">你好</TD>\n<TD PORT=\"f1\"></TD>\n");
    // A bad annotation cell becomes a dash.
    EXPECT_EQ(annotationRow(composeAlignmentDot(pair("a b", "", "\xFF:0 ok:1", ""), "a")),
              "<TD>-</TD>\n<TD>ok</TD>\n");
}

TEST(AlignmentDot, AnnotationCellMustStayBelowTheConversionBuffer) {
    const std::string fits(kConversionBufferSize - 1, 'x');
    const std::string tooLong(kConversionBufferSize, 'x');
    EXPECT_EQ(annotationRow(composeAlignmentDot(pair("a", "", fits + ":0", ""), "?")),
              "<TD>" + fits + "</TD>\n");
    EXPECT_EQ(annotationRow(composeAlignmentDot(pair("a", "", tooLong + ":0", ""), "?")),
              "<TD>-</TD>\n");
    // 3414 Chinese characters take 6828 GBK bytes but 10242 UTF-8 bytes.
    std::string chinese;
    for (int i = 0; i < 3414; ++i) chinese += gbk("中");
    EXPECT_EQ(annotationRow(composeAlignmentDot(pair("a", "", chinese + ":0", ""), "?")),
              "<TD>-</TD>\n");
}

TEST(AlignmentDot, LabelTextsAreEscapedButPortsAndLinksAreNot) {
    const SentencePair special =
        pair(gbk("美国&电话 \"引号\""), "AT&T < > \"q\"", "R&D:0 <b>:1", "0-0 1-3");
    const std::string dot = composeAlignmentDot(special, gbk("\"引号\""));
    EXPECT_EQ(annotationRow(dot),
              "<TD>R&amp;D</TD>\n<TD><FONT COLOR=\"BLUE\">&lt;b&gt;</FONT></TD>\n");
    EXPECT_EQ(chineseRow(dot),
              "<TD PORT=\"f0\">美国&amp;电话</TD>\n"
              "<TD PORT=\"f1\"><FONT COLOR=\"BLUE\">&quot;引号&quot;</FONT></TD>\n");
    EXPECT_EQ(englishRow(dot),
              "<TD PORT=\"f0\">AT&amp;T</TD>\n<TD PORT=\"f1\">&lt;</TD>\n"
              "<TD PORT=\"f2\">&gt;</TD>\n<TD PORT=\"f3\">&quot;q&quot;</TD>\n");
    EXPECT_EQ(linkLines(dot), "struct1:f0 -- struct2:f0 ; \nstruct1:f1 -- struct2:f3 ; \n");
}

// Lays the DOT text out in memory and renders it as SVG, to see what Graphviz
// made of the labels.
std::string renderSvg(const std::string& dot) {
    GVC_t* context = gvContext();
    Agraph_t* graph = agmemread(dot.c_str());
    std::string svg;
    if (graph != nullptr && gvLayout(context, graph, "dot") == 0) {
        char* data = nullptr;
        unsigned int length = 0;
        if (gvRenderData(context, graph, "svg", &data, &length) == 0) svg.assign(data, length);
        gvFreeRenderData(data);
        gvFreeLayout(context, graph);
    }
    if (graph != nullptr) agclose(graph);
    gvFreeContext(context);
    return svg;
}

TEST(AlignmentDot, EscapedTokensStillGiveTableLabels) {
    const std::string svg =
        renderSvg(composeAlignmentDot(pair(gbk("电话 公司"), "AT&T < \"x\"", "", "0-0 1-1"), "x"));
    ASSERT_FALSE(svg.empty());
    EXPECT_NE(svg.find(">AT&amp;T</text>"), std::string::npos);
    EXPECT_NE(svg.find(">&lt;</text>"), std::string::npos);
    EXPECT_NE(svg.find(">电话</text>"), std::string::npos);
    // A label Graphviz could not read falls back to the node's name.
    EXPECT_EQ(svg.find(">struct1</text>"), std::string::npos);
    EXPECT_EQ(svg.find(">struct2</text>"), std::string::npos);
}

TEST(AlignmentDot, EnglishThatIsNotUtf8IsReplacedAndInjectedLinksAddNoNode) {
    const std::string dot = composeAlignmentDot(
        pair(gbk("电话 公司"), "caf\xE9 ok", "", "0-0 1-1;evil[label=\"x\"] 1-1"), "x");
    EXPECT_EQ(englishRow(dot), "<TD PORT=\"f0\">caf\xEF\xBF\xBD</TD>\n<TD PORT=\"f1\">ok</TD>\n");
    const std::string svg = renderSvg(dot);
    ASSERT_FALSE(svg.empty());
    EXPECT_NE(svg.find(">ok</text>"), std::string::npos);
    EXPECT_EQ(svg.find(">struct2</text>"), std::string::npos);
    EXPECT_EQ(svg.find("evil"), std::string::npos);
}

class AlignmentPictureTest : public testing::ScratchDirTest {
  protected:
    static ExampleSet threePairs() {
        return {workedExample(),
                pair(gbk("我们 明天 去 北京"), "We go to Beijing tomorrow",
                     "wo3:0 men5:-1 ming2:1 tian1:-1 qu4:2 bei3:3 jing1:-1", "0-0 1-4 2-1 3-3"),
                pair(gbk("谢谢 你"), "Thank you", "xie4:0 xie4:-1 ni3:1", "0-0 1-1")};
    }
};

TEST_F(AlignmentPictureTest, EachPairGetsItsTextAndARealPicture) {
    const ExampleSet examples = threePairs();
    ASSERT_EQ(drawAlignmentGraphs(examples, gbk("看见")), 3);
    for (int n = 0; n < 3; ++n) {
        const std::string name = "tmp/" + std::to_string(n);
        EXPECT_EQ(readFile(name + ".txt"),
                  composeAlignmentDot(examples[static_cast<size_t>(n)], gbk("看见")));
        const PngSize size = pngSize(readFile(name + ".png"));
        EXPECT_TRUE(size.isPng) << name;
        // Two rows of boxes joined by lines: some tens to a few hundred pixels.
        EXPECT_GT(size.width, 60u) << name;
        EXPECT_LT(size.width, 2000u) << name;
        EXPECT_GT(size.height, 100u) << name;
        EXPECT_LT(size.height, 600u) << name;
    }
    EXPECT_FALSE(std::filesystem::exists("tmp/3.txt"));
}

TEST_F(AlignmentPictureTest, LongerSentencesGiveWiderPictures) {
    ASSERT_EQ(drawAlignmentGraphs({pair(gbk("你"), "you", "", "0-0"),
                                   pair(gbk("我们 明天 一起 去 北京 看 朋友"),
                                        "Tomorrow we go to Beijing together to see friends", "",
                                        "0-1 1-0 2-5 3-2 4-4 5-7 6-8")},
                                  gbk("你")),
              2);
    const PngSize narrow = pngSize(readFile("tmp/0.png"));
    const PngSize wide = pngSize(readFile("tmp/1.png"));
    ASSERT_TRUE(narrow.isPng && wide.isPng);
    EXPECT_GT(wide.width, 3 * narrow.width);
}

TEST_F(AlignmentPictureTest, NothingIsTouchedForAnEmptyWordOrNoExamples) {
    EXPECT_EQ(drawAlignmentGraphs(threePairs(), ""), 0);
    EXPECT_EQ(drawAlignmentGraphs({}, "x"), 0);
    EXPECT_TRUE(std::filesystem::is_empty("tmp"));
}

TEST_F(AlignmentPictureTest, MissingTmpStopsAfterTheFirstFailure) {
    std::filesystem::remove("tmp");
    EXPECT_EQ(drawAlignmentGraphs(threePairs(), gbk("看见")), 0);
    EXPECT_FALSE(std::filesystem::exists("tmp"));
}

TEST_F(AlignmentPictureTest, TextFileThatCannotBeCreatedEndsTheDrawing) {
    std::filesystem::create_directory("tmp/1.txt");
    EXPECT_EQ(drawAlignmentGraphs(threePairs(), gbk("看见")), 1);
    EXPECT_TRUE(pngSize(readFile("tmp/0.png")).isPng);
    EXPECT_FALSE(std::filesystem::exists("tmp/1.png"));
    EXPECT_FALSE(std::filesystem::exists("tmp/2.txt"));
    EXPECT_FALSE(std::filesystem::exists("tmp/2.png"));
}

TEST_F(AlignmentPictureTest, TextFileCutShortByAFullDiskEndsTheDrawing) {
    // Writes to /dev/full fail with ENOSPC, as on a full tmp folder.
    std::filesystem::create_symlink("/dev/full", "tmp/1.txt");
    EXPECT_EQ(drawAlignmentGraphs(threePairs(), gbk("看见")), 1);
    EXPECT_TRUE(pngSize(readFile("tmp/0.png")).isPng);
    EXPECT_FALSE(std::filesystem::exists("tmp/1.png"));
    EXPECT_FALSE(std::filesystem::exists("tmp/2.txt"));
}

TEST_F(AlignmentPictureTest, PictureThatCannotBeCreatedCostsOnlyItsExample) {
    std::filesystem::create_directory("tmp/0.png");
    EXPECT_EQ(drawAlignmentGraphs(threePairs(), gbk("看见")), 3);
    EXPECT_TRUE(std::filesystem::is_regular_file("tmp/0.txt"));
    EXPECT_TRUE(pngSize(readFile("tmp/1.png")).isPng);
    EXPECT_TRUE(pngSize(readFile("tmp/2.png")).isPng);
}

TEST_F(AlignmentPictureTest, PictureWriteOnAFullDiskCostsOnlyThatPicture) {
    // Graphviz's own file writer would end the process here.
    std::filesystem::create_symlink("/dev/full", "tmp/0.png");
    EXPECT_EQ(drawAlignmentGraphs(threePairs(), gbk("看见")), 3);
    EXPECT_TRUE(pngSize(readFile("tmp/1.png")).isPng);
    EXPECT_TRUE(pngSize(readFile("tmp/2.png")).isPng);
}

TEST_F(AlignmentPictureTest, PairWithoutWordsStillGetsAPicture) {
    EXPECT_EQ(drawAlignmentGraphs({pair("", "", "", ""), workedExample()}, "a"), 2);
    EXPECT_TRUE(pngSize(readFile("tmp/0.png")).isPng);
    EXPECT_TRUE(pngSize(readFile("tmp/1.png")).isPng);
}

// The pixels of a PNG file as 8-bit RGBA, empty when it is no PNG.
std::vector<uint8_t> decodedPixels(const std::string& png) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return {};
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return {};
    return pixels;
}

// The PNG Graphviz's own cairo device makes of a DOT text.
std::string graphvizPng(const std::string& dot) {
    GVC_t* context = gvContext();
    Agraph_t* graph = agmemread(dot.c_str());
    std::string png;
    if (graph != nullptr && gvLayout(context, graph, "dot") == 0) {
        char* data = nullptr;
        unsigned int length = 0;
        if (gvRenderData(context, graph, "png", &data, &length) == 0) png.assign(data, length);
        gvFreeRenderData(data);
        gvFreeLayout(context, graph);
    }
    if (graph != nullptr) agclose(graph);
    gvFreeContext(context);
    return png;
}

TEST_F(AlignmentPictureTest, PicturesHaveGraphvizsPixelsFromAnEncoderOfOurOwn) {
    ExampleSet examples = threePairs();
    examples.push_back(pair(gbk("美国&电话 \"引号\""), "AT&T < > \"q\"", "R&D:0 <b>:1", "0-0 1-3"));
    ASSERT_EQ(drawAlignmentGraphs(examples, gbk("看见")), 4);
    for (size_t n = 0; n < examples.size(); ++n) {
        const std::string ours = readFile("tmp/" + std::to_string(n) + ".png");
        const std::string theirs = graphvizPng(composeAlignmentDot(examples[n], gbk("看见")));
        const std::vector<uint8_t> pixels = decodedPixels(ours);
        ASSERT_FALSE(pixels.empty()) << n;
        EXPECT_EQ(pixels, decodedPixels(theirs)) << n;
        EXPECT_EQ(pngSize(ours).width, pngSize(theirs).width) << n;
        EXPECT_NE(ours, theirs) << n;
    }
}

TEST_F(AlignmentPictureTest, OldPicturesBeyondTheSetAreLeftAlone) {
    testing::writeFile("tmp/5.png", "old");
    EXPECT_EQ(drawAlignmentGraphs({workedExample()}, gbk("看见")), 1);
    EXPECT_EQ(readFile("tmp/5.png"), "old");
}

}  // namespace
}  // namespace quillan
