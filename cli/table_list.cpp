// table_list.cpp -- the inputs of a run of many: tables, folders, patterns.
#include "cli/table_list.h"

#include <algorithm>
#include <cstring>

#include "cli/cli_texts.h"
#include "cli/console_lines.h"
#include "convert/run_paths.h"
#include "support/named_limit.h"
#include "support/text_buffer.h"

TableList tableList;

namespace {

static_assert(NamesNumber(kTooManyTablesText, kMaxTables, ""), "the message names the most tables");

const char kTableEnding[] = ".dbf";

const char* NameOf(std::uint32_t index) {
    return tableList.paths[index] + FileNameStart(tableList.paths[index]);
}

// The order of a listing: letters without regard to case, then byte for byte.
bool NameBefore(std::uint16_t a, std::uint16_t b) {
    const char* x = NameOf(a);
    const char* y = NameOf(b);
    std::size_t i = 0;
    while (x[i] != '\0' && UpperCaseOf(x[i]) == UpperCaseOf(y[i])) ++i;
    if (UpperCaseOf(x[i]) != UpperCaseOf(y[i])) {
        return static_cast<unsigned char>(UpperCaseOf(x[i])) < static_cast<unsigned char>(UpperCaseOf(y[i]));
    }
    return std::strcmp(x, y) < 0;
}

bool IsTableName(const char* name) {
    std::size_t length = std::strlen(name);
    return length > 4 && SameTextIgnoringCase(name + length - 4, kTableEnding);
}

// Appends `path` in its full form.
int Add(const char* path) {
    if (tableList.count == kMaxTables) return WrongCall(kTooManyTablesText);
    if (!FullPath(path, tableList.paths[tableList.count], kPathSize))
        return SayRefusal(kInputPathTooLongText, path);
    tableList.order[tableList.count] = static_cast<std::uint16_t>(tableList.count);
    ++tableList.count;
    return kTablesListed;
}

// Appends the files of a listing, of a `folder` or a pattern, `onlyTables`
// those named like tables, in name order; `directory` is their folder with
// its separator. Refuses a listing that cannot be read or that gives nothing.
int AddListing(const char* listed, const char* directory, bool onlyTables, bool folder) {
    const char* nothingText = folder ? kNoTablesText : kNothingMatchesText;
    std::uint32_t first = tableList.count;
    char name[kPathSize];
    char path[2 * kPathSize];
    std::size_t prefix = std::strlen(directory);
    std::memcpy(path, directory, prefix);
    int status = kTablesListed;
    Listing listing = ListingOpen(listed);
    if (listing == kNoListing) return SayRefusal(folder ? kFolderUnreadableText : nothingText, listed);
    bool subfolder = false;
    while (status == kTablesListed && ListingNext(listing, name, sizeof name, &subfolder)) {
        if (subfolder || (onlyTables && !IsTableName(name))) continue;
        std::memcpy(path + prefix, name, std::strlen(name) + 1);
        status = ListedNameExact(listing) ? Add(path) : SayRefusal(kNameOutsideCodePageText, path);
    }
    ListingClose(listing);
    std::sort(tableList.order + first, tableList.order + tableList.count, NameBefore);
    if (status == kTablesListed && tableList.count == first) return SayRefusal(nothingText, listed);
    return status;
}

// Whether the files a pattern matches are taken only where they are named
// like tables: unless the pattern spells out an extension of its own
// ("*.dat"), "*.*" or "kunden*" would also take memo files and reports.
bool PatternTakesOnlyTables(const char* pattern) {
    const char* name = pattern + FileNameStart(pattern);
    const char* dot = std::strrchr(name, '.');
    return dot == nullptr || HasWildcards(dot);
}

int RefuseSameOutput(std::uint32_t a, std::uint32_t b, const char* name) {
    Say(kConsoleError, kSameOutputStartText);
    SayPath(kConsoleError, tableList.paths[a]);
    Say(kConsoleError, kSameOutputAndText);
    SayPath(kConsoleError, tableList.paths[b]);
    Say(kConsoleError, kSameOutputEndText);
    return SayRefusal("", name);
}

}  // namespace

int AddTables(const char* input) {
    if (HasWildcards(input)) {
        char pattern[kPathSize];
        if (!FullPath(input, pattern, kPathSize)) return SayRefusal(kInputPathTooLongText, input);
        char directory[kPathSize];
        std::uint32_t nameStart = FileNameStart(pattern);
        std::memcpy(directory, pattern, nameStart);
        directory[nameStart] = '\0';
        return AddListing(pattern, directory, PatternTakesOnlyTables(pattern), false);
    }
    if (IsDirectory(input)) {
        char directory[kPathSize + 1];
        std::size_t length = std::strlen(input);
        if (length + 2 > sizeof directory) return SayRefusal(kInputPathTooLongText, input);
        std::memcpy(directory, input, length);
        if (length > 0 && !IsPathSeparator(input[length - 1])) directory[length++] = PathSeparator();
        directory[length] = '\0';
        return AddListing(input, directory, true, true);
    }
    return Add(input);
}

int CheckOutputNames() {
    for (std::uint32_t a = 0; a < tableList.count; ++a) DeriveMemoPath(NameOf(a), tableList.memoNames[a]);
    for (std::uint32_t a = 0; a < tableList.count; ++a) {
        const char* nameA = NameOf(a);
        const char* memoA = tableList.memoNames[a];
        if (SameTextIgnoringCase(nameA, kReportFileName) || SameTextIgnoringCase(memoA, kReportFileName)) {
            Say(kConsoleError, kReportNameTakenStartText);
            SayPath(kConsoleError, tableList.paths[a]);
            Say(kConsoleError, kReportNameTakenText);
            return SayRefusal("", kReportFileName);
        }
        for (std::uint32_t b = a + 1; b < tableList.count; ++b) {
            const char* nameB = NameOf(b);
            const char* memoB = tableList.memoNames[b];
            const char* shared = nullptr;
            if (SameTextIgnoringCase(nameA, nameB) || SameTextIgnoringCase(nameA, memoB)) shared = nameA;
            if (shared == nullptr &&
                (SameTextIgnoringCase(memoA, nameB) || SameTextIgnoringCase(memoA, memoB)))
                shared = memoA;
            if (shared != nullptr) return RefuseSameOutput(a, b, shared);
        }
    }
    return kTablesListed;
}
