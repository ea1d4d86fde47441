#pragma once
// Speech: the five operations the Read button needs from a speech back end, and
// the handler logic that uses them. A fresh voice is created for every press.

#include <string>
#include <string_view>

namespace quillan {

class SpeechBackend {
  public:
    virtual ~SpeechBackend() = default;
    // Creates a voice object. False on failure.
    virtual bool createVoice() = 0;
    // Finds the best Mandarin (PRC) voice, never a Cantonese one, in the back
    // end's own priority order. False when none qualifies ("not found").
    virtual bool findBestChineseVoice() = 0;
    // Later speaking uses the found voice. False on failure (ignored by callers).
    virtual bool selectVoice() = 0;
    // Speaks the text and returns when it has been spoken.
    virtual bool speak(std::u16string_view text) = 0;
    // Releases the token and the voice; safe to call after any failure.
    virtual void release() = 0;
};

// What Read speaks: the input text, or, when sortType is exactly "Frequency", the
// input (converted to GBK) is all digits and the following-word list has a row,
// that first row as it stands. Empty when the input is empty.
std::u16string chooseReadText(std::u16string_view input, std::string_view sortType,
                              const std::u16string* firstListRow);

// Runs one press of Read with the chosen text: create, find, select, speak,
// release. Prints "Failed to create instance of ISpVoice!" on standard output
// when the voice cannot be created. Nothing happens for an empty text.
void speakText(SpeechBackend& backend, std::u16string_view text);

}  // namespace quillan
