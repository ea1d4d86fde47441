#include "pages/result_page.h"

#include <string_view>

#include "store/text_writer.h"

namespace quillan {

namespace {

constexpr std::string_view kSectionHeading = "<p id=\"border7\">";
constexpr std::string_view kLargeBracketOpen = " <font size=\"+2\">[";

// The fixed page head: the meta element, then one style rule, with the runs of
// blanks and tabs the page has always carried; 311 bytes.
std::string pageHead() {
    std::string head;
    head += "<html><meta http-equiv=\"content-type\" content=\"text/html; charset=gbk\" />";
    head.append(16, ' ');
    head += "<style type=\"text/css\" media=\"all\">";
    head.append(17, '\t');
    head += "#border7 {";
    head.append(15, '\t');
    head += "border: 2px solid;";
    head.append(11, '\t');
    head += "border-color: #abc #ddd #ddd #ddd;";
    head.append(7, '\t');
    head += "background-color: #E6E6FA;";
    head.append(9, '\t');
    head += "}";
    head.append(15, '\t');
    head += "</style>";
    head.append(15, '\t');
    head += "\n";
    return head;
}

// "NULL" is the dictionary's marker for an empty field.
bool isPresent(const std::string& field) { return !field.empty() && field != "NULL"; }

void appendTitle(std::string& page, const WordRecord& record) {
    page += "<p><a name=\"TOP\"><font size=\"+2\">";
    page += record.word;
    page += "</font></a>";
    if (isPresent(record.pinyin)) {
        page += kLargeBracketOpen;
        page += record.pinyin;
        page += "]</font><font color=\"grey\">PinYin</font>";
    }
    if (isPresent(record.tags)) {
        page += kLargeBracketOpen;
        page += record.tags;
        page += "]</font><font color=\"grey\">Tags</font>";
    }
    page += "</p>\n";
}

void appendHeading(std::string& page, std::string_view name) {
    page += kSectionHeading;
    page += name;
    page += "</p>";
}

void appendEnglish(std::string& page, const WordRecord& record) {
    if (!isPresent(record.english)) return;
    appendHeading(page, "English");
    page += "<p>";
    page += record.english;
    page += "</p>\n";
}

// Each usage note becomes a link "#EX<n>", every one followed by ";".
void appendUsage(std::string& page, const WordRecord& record) {
    if (!isPresent(record.usage)) return;
    appendHeading(page, "Usage");
    page += "<p>";
    int32_t number = 0;
    for (const std::string& note : splitText(record.usage, ";")) {
        page += "<a href=\"#EX";
        page += std::to_string(number++);
        page += "\">";
        page += note;
        page += "</a>;";
    }
    page += "</p>\n";
}

// Lists only the pictures this look-up drew, so no picture left from an earlier
// word is shown; a record without example references gets no Examples section.
void appendExamples(std::string& page, const WordRecord& record, int32_t pictureCount) {
    if (!isPresent(record.exampleText)) return;
    appendHeading(page, "Examples");
    for (int32_t n = 0; n < pictureCount; ++n) {
        page += "<p><img src=../tmp/";
        page += std::to_string(n);
        page += ".png /></p>\n";
    }
}

}  // namespace

std::string buildResultPage(const WordRecord& record, int32_t pictureCount) {
    std::string page = pageHead();
    appendTitle(page, record);
    appendEnglish(page, record);
    appendUsage(page, record);
    appendExamples(page, record, pictureCount);
    page += "</html>\n";
    return page;
}

int32_t writeResultPage(const std::string& path, const std::string& pageText) {
    TextWriter writer(path);
    if (!writer.isOpen()) return -1;
    writer.write(pageText);
    writer.write("\n");
    writer.flush();
    // A page cut short (a full disk) is reported too, so a half page is never shown.
    return writer.close() ? 0 : -1;
}

}  // namespace quillan
