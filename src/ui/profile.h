#pragma once
// Single entries of settings files ("[section]" headers, "entry=value"
// lines) through the platform's profile functions. A text left out reaches
// the platform as no text: no default reads as "", no value deletes the
// entry, no entry in a write deletes the section, and no entry in a read
// lists the section's entry names, each followed by a NUL byte.

#include <optional>
#include <string>

namespace qvz::ui {

// The value, the default when the file, section or entry is absent, or "";
// a value longer than 4094 bytes comes back cut to 4094.
std::string GETPVPROFSTRING(const std::optional<std::string>& cSection,
                            const std::optional<std::string>& cEntry,
                            const std::optional<std::string>& cDefault,
                            const std::optional<std::string>& cFile);

// True when the platform stored the entry (it creates file and section).
bool WRITEPPROSTRING(const std::optional<std::string>& cSection,
                     const std::optional<std::string>& cEntry,
                     const std::optional<std::string>& cValue,
                     const std::optional<std::string>& cFile);

// As GETPVPROFSTRING, from the system's own profile.
std::string GETPROFSTRING(const std::optional<std::string>& cSection,
                          const std::optional<std::string>& cEntry,
                          const std::optional<std::string>& cDefault);

}  // namespace qvz::ui
