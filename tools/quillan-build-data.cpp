// quillan-build-data: builds Quillan's index and data files from the GBK sources
// under Orig_resources/ in the current directory, as the main window's hidden
// DoData command does, and prints the same texts. Exits with 1 on failure.

#include <cstdio>

#include "store/data_builder.h"

int main() {
    std::puts(quillan::kDataBuilderReminder);
    // The reminder comes first also when the outcome goes to standard error.
    std::fflush(stdout);
    if (quillan::buildDictionaryData() < 0) {
        std::fprintf(stderr, "%s\n", quillan::kDataBuilderFailed);
        return 1;
    }
    std::puts(quillan::kDataBuilderFinished);
    return 0;
}
