#include "report/designer/design_sample.h"

#include "report/composer/composer.h"
#include "report/composer/page_objects.h"
#include "report/composer/value_format.h"
#include "report/model/report_codes.h"

namespace report {

namespace {

constexpr int kSampleLines = 4;

} // namespace

std::vector<DefinitionList> SampleLines(const DefinitionList& fields, int count) {
    std::vector<DefinitionList> lines;
    for (int i = 0; i < count; ++i) {
        DefinitionList line;
        for (const Definition& f : fields.Items()) {
            if (i == 0 || ResolvedFormat(f) != ValueFormat::Text) line.Set(f.name, f.contents, f.type, f.column);
            else line.Set(f.name, "<" + f.name + ">", kFieldTypeText);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

Page SamplePage(const Layout& layout, const DefinitionList& variables, const DefinitionList& fields,
                std::vector<std::string>* warnings) {
    Composer composer(layout);
    composer.OutputPageObjects(variables);
    for (const DefinitionList& line : SampleLines(fields, kSampleLines))
        if (!composer.OutputLine(line)) break;
    composer.FinishLines(variables);
    if (warnings) *warnings = composer.Warnings();
    std::vector<Page> pages{composer.Pages().front()};
    NumberPages(pages);
    return pages.front();
}

} // namespace report
