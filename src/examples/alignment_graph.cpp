#include "examples/alignment_graph.h"

#include <graphviz/cgraph.h>
#include <graphviz/gvc.h>

#include <cstdio>
#include <string>
#include <vector>

#include "examples/png_device.h"
#include "store/binary_file.h"
#include "store/text_conversion.h"
#include "store/utf8.h"
#include "store/word_record.h"

namespace quillan {

namespace {

// The position of the last non-empty Chinese word equal to the looked-up word, or -1.
int32_t findHighlightIndex(const std::vector<std::string>& chineseWords, std::string_view word) {
    int32_t highlight = -1;
    for (size_t j = 0; j < chineseWords.size(); ++j) {
        if (!chineseWords[j].empty() && chineseWords[j] == word)
            highlight = static_cast<int32_t>(j);
    }
    return highlight;
}

// Groups the "text:mark" tokens into the cells above the Chinese words: a mark
// of "-1" continues the previous cell, any other mark opens a new one.
std::vector<std::string> buildAnnotationCells(const std::vector<std::string>& tokens) {
    std::vector<std::string> cells;
    for (const std::string& token : tokens) {
        if (token.empty()) continue;
        const std::vector<std::string> pieces = splitText(token, ":");
        if (pieces.size() < 2) continue;
        if (pieces[1] == "-1" && !cells.empty()) {
            cells.back() += pieces[0];
        } else {
            cells.push_back(pieces[0]);
        }
    }
    return cells;
}

// Makes a text safe inside an HTML-like label, so that a token such as "AT&T"
// or "<" shows as itself instead of breaking the label's markup.
std::string escapeLabelText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string blue(const std::string& text) { return "<FONT COLOR=\"BLUE\">" + text + "</FONT>"; }

std::string portCell(size_t position, const std::string& content) {
    return "<TD PORT=\"f" + std::to_string(position) + "\">" + content + "</TD>\n";
}

void appendAnnotationRow(std::string& dot, const std::vector<std::string>& cells, size_t wordCount,
                         int32_t highlight) {
    for (size_t j = 0; j < cells.size() && j < wordCount; ++j) {
        if (cells[j].empty()) continue;
        const Conversion converted = gbkToUtf8(cells[j]);
        if (!converted.ok) {
            dot += "<TD>-</TD>\n";
            continue;
        }
        const std::string text = escapeLabelText(converted.bytes);
        dot += "<TD>" + (static_cast<int32_t>(j) == highlight ? blue(text) : text) + "</TD>\n";
    }
    for (size_t j = cells.size(); j < wordCount; ++j) dot += "<TD> .</TD>\n";
}

// A word that fails to convert still gets its box, with the text converted
// before the bad byte.
void appendChineseRow(std::string& dot, const std::vector<std::string>& words, int32_t highlight) {
    for (size_t j = 0; j < words.size(); ++j) {
        if (words[j].empty()) continue;
        const std::string text = escapeLabelText(gbkToUtf8(words[j]).bytes);
        dot += portCell(j, static_cast<int32_t>(j) == highlight ? blue(text) : text);
    }
}

// English tokens are copied as they stand; a byte that is not UTF-8 would make
// Graphviz refuse the whole label, so it shows as U+FFFD instead.
void appendEnglishRow(std::string& dot, const std::vector<std::string>& tokens) {
    for (size_t j = 0; j < tokens.size(); ++j) {
        if (!tokens[j].empty()) dot += portCell(j, escapeLabelText(replaceInvalidUtf8(tokens[j])));
    }
}

// A link end names a port by its number; an empty end stays as it is ("-3").
bool isPortNumber(std::string_view end) {
    return end.find_first_not_of("0123456789") == std::string_view::npos;
}

// Only numbers reach the DOT text: any other end could add statements of its own
// to the graph.
void appendLinks(std::string& dot, const std::vector<std::string>& links) {
    for (const std::string& link : links) {
        const std::vector<std::string> ends = splitText(link, "-");
        if (ends.size() >= 2 && isPortNumber(ends[0]) && isPortNumber(ends[1]))
            dot += "struct1:f" + ends[0] + " -- struct2:f" + ends[1] + " ; \n";
    }
}

constexpr std::string_view kTableStart =
    " <TABLE BORDER=\"0\" CELLBORDER=\"0\" CELLSPACING=\"0\">\n<TR>";

constexpr std::string_view kNodeStyle = "node [shape = box,fontname=\"simsun.ttc\"];\n";

// Graphviz 2.42's pango text layout remembers the font name of the last text it
// laid out as a pointer into the font table of that text's context, and compares
// every later text's font with it; once that context is freed, the comparison
// reads freed memory. Laying one text out in the pictures' own font in a context
// that is never freed leaves the remembered name pointing at a string that stays,
// and since every picture uses that font and size, the pointer never moves on to
// a picture's context.
void keepTextLayoutFontNameAlive() {
    // Held for the life of the process, on purpose.
    static GVC_t* const keeper = [] {
        GVC_t* context = gvContext();
        const std::string dot = "graph k {\n" + std::string(kNodeStyle) + "k;\n}\n";
        Agraph_t* graph = context != nullptr ? agmemread(dot.c_str()) : nullptr;
        if (graph != nullptr) {
            if (gvLayout(context, graph, "dot") == 0) gvFreeLayout(context, graph);
            agclose(graph);
        }
        return context;
    }();
    (void)keeper;
}

// The picture of a laid-out graph as PNG bytes, rendered in memory: Graphviz's
// own file writer ends the process when a write comes up short.
std::string renderPng(GVC_t* context, Agraph_t* graph) {
    char* data = nullptr;
    unsigned int length = 0;
    std::string png;
    if (gvRenderData(context, graph, "png", &data, &length) == 0 && data != nullptr)
        png.assign(data, length);
    gvFreeRenderData(data);
    return png;
}

// Has Graphviz read the DOT file, lay it out with "dot" and render it as "png",
// with a context of its own, and writes the picture with a checked write. The
// picture file is created before Graphviz runs, so a graph that cannot be read
// or laid out leaves it empty; a write that fails (a full disk) costs this
// picture only.
void renderPicture(const std::string& dotPath, const std::string& picturePath) {
    File dotFile = openFile(dotPath.c_str(), "rb");
    if (!dotFile) return;
    File picture = openFile(picturePath.c_str(), "wb");
    if (!picture) return;
    keepTextLayoutFontNameAlive();
    GVC_t* context = gvContext();
    if (context == nullptr) return;
    addFastPngDevice(context);
    std::string png;
    Agraph_t* graph = agread(dotFile.get(), nullptr);
    if (graph != nullptr) {
        if (gvLayout(context, graph, "dot") == 0) {
            png = renderPng(context, graph);
            gvFreeLayout(context, graph);
        }
        agclose(graph);
    }
    gvFreeContext(context);
    writeAndClose(std::move(picture), png);
}

}  // namespace

std::string composeAlignmentDot(const SentencePair& pair, std::string_view word) {
    const std::vector<std::string> chineseWords = splitText(pair.chineseText, " ");
    const std::vector<std::string> englishWords = splitText(pair.englishText, " ");
    const std::vector<std::string> annotationTokens = splitText(pair.annotationText, " ");
    const std::vector<std::string> links = splitText(pair.alignmentText, " ");
    const int32_t highlight = findHighlightIndex(chineseWords, word);

    std::string dot = "graph g {\n";
    dot += kNodeStyle;
    dot += "struct1 [label=<";
    dot += kTableStart;
    dot += "\n";
    appendAnnotationRow(dot, buildAnnotationCells(annotationTokens), chineseWords.size(),
                        highlight);
    dot += "</TR>\n<TR>\n";
    appendChineseRow(dot, chineseWords, highlight);
    dot += "</TR></TABLE>>];\n";
    dot += "struct2 [label=<";
    dot += kTableStart;
    appendEnglishRow(dot, englishWords);
    dot += "</TR></TABLE>>];\n";
    appendLinks(dot, links);
    dot += "}\r\n";
    return dot;
}

int32_t drawAlignmentGraphs(const ExampleSet& examples, std::string_view word) {
    if (examples.empty() || word.empty()) return 0;
    int32_t drawn = 0;
    for (const SentencePair& pair : examples) {
        const std::string number = std::to_string(drawn);
        const std::string dotPath = "tmp/" + number + ".txt";
        // Without its whole text file no later picture can be drawn either (tmp
        // is missing or full), so the whole operation ends here.
        if (writeWholeFile(dotPath.c_str(), composeAlignmentDot(pair, word)) < 0) break;
        renderPicture(dotPath, "tmp/" + number + ".png");
        ++drawn;
    }
    return drawn;
}

}  // namespace quillan
