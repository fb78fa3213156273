#pragma once
// Kept texts as files of a folder, each replaced whole (file_writing.h), so that two
// processes that keep at once leave one whole file or the other.
//
//     KeptFiles kept("~/Taalspoor");  kept.write("lingo-advies.txt", ...)   ~/Taalspoor/lingo-advies.txt

#include <filesystem>
#include <optional>
#include <string>

#include "base/kept_texts.h"

namespace taalspoor {

class KeptFiles final : public KeptTexts {
public:
    explicit KeptFiles(std::filesystem::path folder) : folder_(std::move(folder)) {}
    std::optional<std::string> read(const std::string& name) override;
    void write(const std::string& name, const std::string& whole) override;

private:
    std::filesystem::path folder_;
};

}  // namespace taalspoor
