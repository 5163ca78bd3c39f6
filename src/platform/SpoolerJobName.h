#pragma once

#include <string>
#include <string_view>

namespace tessra {

// The document name (the BSE file's path) as the spooler accepts it for job-name and
// document-name: UTF-8 of at most 255 bytes. Bytes that are not UTF-8 become U+FFFD; of a longer
// name the end is kept, where the file name stands.
std::string SpoolerJobName(std::string_view documentName);

}  // namespace tessra
