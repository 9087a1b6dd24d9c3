#pragma once
// The date a file was last changed, as the station form and the database update show it.
#include <filesystem>
#include <optional>
#include <string>

namespace ylkaz {

// The last-modification time in local time as "DD/MM/YYYY": the first ten characters of
// a day/month/year date and time text. Nothing when the file is not there.
std::optional<std::string> date_fichier(const std::filesystem::path& p);

} // namespace ylkaz
