#include "document/PageCollector.h"

#include "document/ReadRefusals.h"

namespace tessra {

void PageCollector::Cell(unsigned char cell)
{
    line_ += static_cast<char>(cell);
    lineOpen_ = true;
    pageOpen_ = true;
}

std::optional<std::string> PageCollector::EndLine(long long fileLine)
{
    if (page_.size() == kPageLineLimit) return TooManyPageLines(fileLine);
    page_.push_back(std::move(line_));
    line_.clear();
    lineOpen_ = false;
    pageOpen_ = true;
    return std::nullopt;
}

std::optional<std::string> PageCollector::EndPage(long long fileLine)
{
    if (lineOpen_)
        if (auto problem = EndLine(fileLine)) return problem;
    pages_.push_back(std::move(page_));
    page_.clear();
    pageOpen_ = false;
    return std::nullopt;
}

PagesRead PageCollector::Finish(long long fileLine)
{
    if (pageOpen_)
        if (auto problem = EndPage(fileLine)) return {{}, std::move(problem)};
    return {std::move(pages_), std::nullopt};
}

}  // namespace tessra
