#include "document/Document.h"

#include <algorithm>

namespace tessra {

void Document::Replace(DocumentContent content, std::string path, std::string extension, Start start)
{
    content_ = std::move(content);
    saved_ = start == Start::Unmodified ? content_ : DocumentContent{};
    filePath_ = std::move(path);
    fileExtension_ = std::move(extension);
    fileOpen_ = true;
    unchecked_.clear();
    SetModified(start == Start::Modified, kEverything);
}

void Document::Close()
{
    content_ = {};
    saved_ = {};
    filePath_.clear();
    fileExtension_.clear();
    fileOpen_ = false;
    unchecked_.clear();
    SetModified(false, kEverything);
}

void Document::Rename(std::string path, std::string extension)
{
    filePath_ = std::move(path);
    fileExtension_ = std::move(extension);
    SetModified(modified_, kPathChanged);
}

void Document::Saved(std::string path, std::string extension, FormatChoice stored)
{
    filePath_ = std::move(path);
    fileExtension_ = std::move(extension);
    const bool formatChanged = !(stored == content_.choice);
    content_.choice = std::move(stored);
    saved_ = content_;
    SetModified(false, kPathChanged | (formatChanged ? kFormatChanged : 0u));
}

void Document::SetLines(std::vector<std::string> lines, int cellsPerLine, int linesPerPage)
{
    if (lines == content_.lines && cellsPerLine == content_.cellsPerLine &&
        linesPerPage == content_.linesPerPage)
        return;
    content_.lines = std::move(lines);
    content_.cellsPerLine = cellsPerLine;
    content_.linesPerPage = linesPerPage;
    SetModified(!(content_ == saved_), kLinesChanged);
}

void Document::SetFormat(FormatChoice choice, FormatOrigin origin)
{
    const bool changed = !(choice == content_.choice);
    content_.choice = std::move(choice);
    const unsigned changes = changed ? kFormatChanged : 0u;
    switch (origin) {
    case FormatOrigin::User: SetModified(true, changes); break;
    case FormatOrigin::Preset: SetModified(modified_, changes); break;
    case FormatOrigin::History: SetModified(!(content_ == saved_), changes); break;
    }
}

void Document::SetUncheckedReadings(UncheckedReadings marks)
{
    if (marks == unchecked_) return;
    unchecked_ = std::move(marks);
    SetModified(modified_, kReadingsChanged);
}

void Document::AddObserver(DocumentObserver* observer)
{
    if (std::ranges::find(observers_.list, observer) == observers_.list.end()) observers_.list.push_back(observer);
}

void Document::RemoveObserver(DocumentObserver* observer)
{
    std::erase(observers_.list, observer);
}

void Document::SetModified(bool modified, unsigned changes)
{
    if (modified != modified_) changes |= kModifiedChanged;
    modified_ = modified;
    if (changes == 0) return;
    // An observer may remove itself while it is told.
    const std::vector<DocumentObserver*> told = observers_.list;
    for (DocumentObserver* observer : told)
        if (std::ranges::find(observers_.list, observer) != observers_.list.end()) observer->DocumentChanged(changes);
}

}  // namespace tessra
