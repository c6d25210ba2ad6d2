#pragma once

#include "app/Storage.h"

#include <map>
#include <string>

class WebRecords;

// The page's storage for its site: the best wave of each set of settings,
// and the options, under the names the desktop's files have. Storage that
// the browser refuses (a private window, a page in a sandbox) costs what
// would be kept there, never the game.
class WebStorage : public Storage {
  public:
    Records* records(const std::string& settingsBytes) override;
    std::optional<std::string> readOptions() override;
    void writeOptions(const std::string& bytes) override;

  private:
    // Each kept until the page closes, by the settings' bytes.
    std::map<std::string, WebRecords*> kept;
};
