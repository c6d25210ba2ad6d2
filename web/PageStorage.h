#pragma once

#include <optional>
#include <string>

// The browser's local storage for the page's site, under the game's own
// prefix, since a site may host many games. Storage that the browser refuses
// reads as nothing and keeps nothing.
std::optional<std::string> readPageStorage(const std::string& name);
void writePageStorage(const std::string& name, const std::string& value);
// Forgets the entry.
void removePageStorage(const std::string& name);
