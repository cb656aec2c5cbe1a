#pragma once
// What the designer is opened on, from the report control or a caller of it.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "report/composer/page_content.h"
#include "report/model/definitions.h"
#include "report/model/layout.h"

class QWidget;

namespace report {

// What the designer is opened on. Saving writes layout to file.
struct DesignRequest {
    std::string title;
    std::filesystem::path file;
    Layout layout;
    bool newLayout = false;           // the file did not exist: layout is the default one
    DefinitionList variables;
    DefinitionList fields;
    // Shows the first document of the kind printed with a layout being
    // edited; empty when the caller has no document to offer.
    std::function<void(const Layout&)> preview;
    // Shows pages on screen (the screens' preview): where the sample page
    // goes when there is no document to offer.
    std::function<void(QWidget*, const std::string&, const std::vector<Page>&)> showPages;
};

} // namespace report
