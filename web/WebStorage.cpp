#include "web/WebStorage.h"

#include "app/Options.h"
#include "web/PageStorage.h"
#include "web/WebRecords.h"

Records* WebStorage::records(const std::string& settingsBytes) {
    WebRecords*& records = kept[settingsBytes];
    if (!records)
        records = new WebRecords(settingsBytes);
    return records;
}

std::optional<std::string> WebStorage::readOptions() {
    return readPageStorage(kOptionsName);
}

void WebStorage::writeOptions(const std::string& bytes) {
    writePageStorage(kOptionsName, bytes);
}
