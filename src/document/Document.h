#pragma once

#include "format/SheetFormat.h"

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace tessra {

// The sheet format a document is laid out on and the texts that name it. Keys and the format
// string are CP932 byte strings.
struct FormatChoice {
    SheetFormat format;
    bool sameDataForAllLabels = true;
    std::string formatString;
    std::string formatPresetKey;
    std::string selectedPresetKey;
    std::string filePresetKey;

    bool operator==(const FormatChoice&) const = default;
};

// What a file holds: braille cell bytes, one element per line, the page shape its header gives,
// and its format.
struct DocumentContent {
    std::vector<std::string> lines;
    int headerCount = 0;
    int cellsPerLine = 0;
    int linesPerPage = 0;
    FormatChoice choice;

    bool operator==(const DocumentContent&) const = default;
};

// A line the label editor wrote from the proposed reading of kanji text that the user has not
// yet confirmed: that text and the cells it gave. Never saved; a line whose cells have changed
// since is no longer one of them.
struct UncheckedReading {
    std::string text;
    std::string cells;

    bool operator==(const UncheckedReading&) const = default;
};
using UncheckedReadings = std::map<std::size_t, UncheckedReading>;  // by line index

// What a change touched, for observers to redraw only what they show of it.
enum DocumentChange : unsigned {
    kReplaced = 1u << 0,     // another document: opened, new, imported, composed or closed
    kPathChanged = 1u << 5,  // renamed or saved: what the title shows
    kLinesChanged = 1u << 1,
    kFormatChanged = 1u << 2,
    kReadingsChanged = 1u << 3,  // the unchecked-reading marks
    kModifiedChanged = 1u << 4,
    kEverything = kReplaced | kPathChanged | kLinesChanged | kFormatChanged | kReadingsChanged | kModifiedChanged,
};

// Told after each change, with the document already in its new state.
class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;
    virtual void DocumentChanged(unsigned changes) = 0;
};

// The one document the program holds. Its mutators are the only way to change it: each marks the
// document modified as the change requires and tells the observers what changed, so no window
// has to remember either.
class Document {
public:
    // Where a format change comes from, which decides what it does to the flag.
    enum class FormatOrigin {
        User,     // the format bar: a change the file does not hold yet
        Preset,   // the bar re-reading its lists: the flag stays as it is
        History,  // undo or redo: modified unless the document is back to what was saved
    };

    bool fileOpen() const { return fileOpen_; }
    bool modified() const { return modified_; }
    const std::string& filePath() const { return filePath_; }
    const std::string& fileExtension() const { return fileExtension_; }

    const DocumentContent& content() const { return content_; }
    const std::vector<std::string>& lines() const { return content_.lines; }
    int headerCount() const { return content_.headerCount; }
    int cellsPerLine() const { return content_.cellsPerLine; }
    int linesPerPage() const { return content_.linesPerPage; }

    const FormatChoice& choice() const { return content_.choice; }
    const SheetFormat& format() const { return content_.choice.format; }
    bool sameDataForAllLabels() const { return content_.choice.sameDataForAllLabels; }
    const std::string& formatString() const { return content_.choice.formatString; }
    const std::string& formatPresetKey() const { return content_.choice.formatPresetKey; }
    const std::string& selectedPresetKey() const { return content_.choice.selectedPresetKey; }
    const std::string& filePresetKey() const { return content_.choice.filePresetKey; }

    const UncheckedReadings& uncheckedReadings() const { return unchecked_; }

    // A document opened, new, imported or composed: replaces everything, the marks and what
    // counts as saved included. A composed document starts modified, as it is on no disk.
    enum class Start { Unmodified, Modified };
    void Replace(DocumentContent content, std::string path, std::string extension, Start start);
    // No document: the state at start-up.
    void Close();

    // Save As names the document before it writes; a failed write keeps the new name.
    void Rename(std::string path, std::string extension);
    // The document was written to `path`, its format stored as `stored`.
    void Saved(std::string path, std::string extension, FormatChoice stored);

    // Edited lines, and the page shape they were written for. Modified unless the document is
    // back to what was saved, as typing a letter and deleting it again leaves it.
    void SetLines(std::vector<std::string> lines, int cellsPerLine, int linesPerPage);

    void SetFormat(FormatChoice choice, FormatOrigin origin);

    // The marks change nothing that is saved, so they leave the flag alone.
    void SetUncheckedReadings(UncheckedReadings marks);

    void AddObserver(DocumentObserver* observer);
    void RemoveObserver(DocumentObserver* observer);

private:
    void SetModified(bool modified, unsigned changes);

    bool fileOpen_ = false;
    bool modified_ = false;
    std::string filePath_;
    std::string fileExtension_;
    DocumentContent content_;
    DocumentContent saved_;
    UncheckedReadings unchecked_;
    // A copy of a document (a test's, a snapshot) starts with no observers of its own, and
    // assigning one keeps those of the target.
    struct Observers {
        std::vector<DocumentObserver*> list;
        Observers() = default;
        Observers(const Observers&) {}
        Observers& operator=(const Observers&) { return *this; }
    };
    Observers observers_;
};

}  // namespace tessra
