#include "report/composer/business_layout.h"

#include <algorithm>
#include <map>

#include <QString>

#include "report/composer/default_layout.h"
#include "report/composer/text_fit.h"

namespace report {

namespace {

constexpr double kLeft = 15;
constexpr double kRight = 195;
constexpr double kBlockTop = 44;
constexpr double kInfoFont = 8;
constexpr double kTableBottom = 268;

bool Starts(const std::string& name, const char* prefix) { return name.rfind(prefix, 0) == 0; }

// The document's number, date and customer, by the names the print tables use.
bool IsNumber(const std::string& n) { return n.size() > 2 && n.compare(n.size() - 2, 2, "_n") == 0; }
bool IsDate(const std::string& n) { return Starts(n, "data_") && n != "data_consegna" && n != "data_trasporto"; }
bool IsCustomer(const std::string& n) {
    return n == "nominativo" || n == "fornitore" || n == "indirizzo" || n == "cap" || n == "citta" || n == "pr" ||
           n == "piva" || n == "codfis";
}
// A note grows with what the operator wrote: it prints once, after the totals.
bool IsNote(const std::string& n) { return n == "camponote" || Starts(n, "note"); }
// Keys that link the tables; nothing an addressee reads.
bool IsKey(const std::string& n) { return Starts(n, "id ") || Starts(n, "anno_"); }

std::string Caption(const std::string& name) {
    static const std::map<std::string, std::string> known = {
        {"tipopag", "Pagamento: "}, {"banca", "Banca: "}, {"iban", "IBAN: "}, {"codfis", "Cod. fiscale: "},
        {"piva", "P.IVA "}, {"data_consegna", "Consegna: "}, {"agente", "Agente: "}, {"camponote", "Note: "},
        {"causale", "Causale: "}, {"riffattura", "Rif. fattura: "}, {"cautra", "Causale trasporto: "},
        {"aspetto", "Aspetto dei beni: "}, {"porto", "Porto: "}, {"vettore", "Vettore: "}, {"colli", "Colli: "},
        {"peso", "Peso kg: "}, {"data_trasporto", "Inizio trasporto: "}, {"destina2", "Destinazione: "},
        {"resa", "Resa: "}, {"giornivalidita", "Validità giorni: "}, {"esenteiva", "Esente IVA: "},
        {"timponibile", "Imponibile: "}, {"timposta", "IVA: "}};
    const auto found = known.find(name);
    if (found != known.end()) return found->second;
    // The document's own total: tfattura, tnota, tpreventivo, tordine.
    if (name.size() > 1 && name[0] == 't') return "Totale documento: ";
    return name + ": ";
}

std::string ColumnTitle(const std::string& field) {
    static const std::map<std::string, std::string> known = {
        {"codice", "Codice"}, {"articolo", "Descrizione"}, {"unità", "U.M."}, {"qtà", "Q.tà"},
        {"prezzo", "Prezzo"}, {"sconto", "Sconto %"}, {"iva", "IVA"}, {"importo", "Importo"},
        {"codforn", "Cod. fornitore"}, {"lotto", "Lotto"}, {"consegna", "Consegna"}, {"evasa", "Evasa"}};
    const auto found = known.find(field);
    return found != known.end() ? found->second : field;
}

HeaderItem Text(const std::string& text, double x, double y, double width, double size, bool bold = false) {
    return {.kind = ItemKind::Text, .source = text, .x = x, .y = y, .width = width, .fontSize = size, .bold = bold};
}

HeaderItem Variable(const std::string& name, const std::string& caption, double x, double y, double width,
                    double size, bool bold = false) {
    HeaderItem item = Text(name, x, y, width, size, bold);
    item.kind = ItemKind::Variable;
    item.caption = caption;
    return item;
}


// The company (the print tables do not hold it: the operator writes it in
// once) beside a place for the logo, a rule under both.
void CompanyBlock(Layout& layout) {
    layout.shapes.push_back({.x = kLeft, .y = 12, .width = 40, .height = 22, .lineWidth = 0.2,
                             .lineColor = "#505050", .fill = "#f2f2f2", .radius = 2});
    layout.header.push_back(Text("Logo", kLeft + 14, 21, 14, 8));
    layout.header.back().italic = true;
    layout.header.push_back(Text("Ragione sociale della ditta", 60, 13, 75, 12, true));
    layout.header.push_back(Text("Via, numero civico - CAP Città (Prov.)", 60, 20, 75, 8));
    layout.header.push_back(Text("P.IVA 00000000000 - Tel. 000 000000", 60, 24.5, 75, 8));
    layout.header.push_back(Text("info@ditta.it", 60, 29, 75, 8));
    layout.shapes.push_back(
        {.kind = ShapeKind::Line, .x = kLeft, .y = 38, .width = kRight - kLeft, .height = 0, .lineWidth = 0.4});
}

// The addressee at the right, where a window envelope shows it.
void CustomerBlock(Layout& layout, const DefinitionList& variables) {
    layout.header.push_back(Text("Spett.le", 115, kBlockTop + 1.5, 40, 8));
    layout.header.back().italic = true;
    double y = kBlockTop + 6;
    const auto add = [&](const char* name, const char* caption, double x, double width, bool bold) {
        if (!variables.Find(name)) return false;
        layout.header.push_back(Variable(name, caption, x, y, width, bold ? 10 : 9, bold));
        return true;
    };
    if (add("nominativo", "", 115, 77, true) || add("fornitore", "", 115, 77, true)) y += 5.5;
    if (add("indirizzo", "", 115, 77, false)) y += 4.5;
    add("cap", "", 115, 12, false);
    add("citta", "", 128, 52, false);
    if (add("pr", "", 181, 11, false)) y += 4.5;
    if (add("piva", "P.IVA ", 115, 77, false)) y += 4.5;
}

// The note across the page under the totals, where it prints once however long.
void NoteAfterTotals(LineTable& table, const DefinitionList& variables) {
    double y = 1;
    for (const HeaderItem& item : table.footer) y = std::max(y, item.y + ItemHeight(item) + 2);
    for (const Definition& v : variables.Items())
        if (IsNote(v.name)) {
            table.footer.push_back(Variable(v.name, Caption(v.name), kLeft, y, kRight - kLeft, kInfoFont));
            y += LineHeight(kInfoFont) + 1;
        }
}

// The lines, without the keys that link them to the document, across the
// text width from top down to the page's foot.
void FitTable(LineTable& table, double top, const DefinitionList& fields) {
    std::erase_if(table.columns, [](const TableColumn& c) { return IsKey(c.field); });
    // Sized again across the text width, now that the keys' room is free.
    std::vector<Definition> shown;
    for (const TableColumn& c : table.columns) {
        const Definition* f = fields.Find(c.field);
        shown.push_back(f ? *f : Definition{.name = c.field, .contents = {}});
    }
    const std::vector<double> widths = ColumnWidths(shown, table.fontSize, kRight - kLeft);
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        table.columns[i].width = widths[i];
        table.columns[i].title = ColumnTitle(table.columns[i].field);
    }
    // A title's longest word keeps to one line; the widest column gives the room.
    if (!table.columns.empty()) {
        auto widest = std::max_element(table.columns.begin(), table.columns.end(),
                                       [](const TableColumn& a, const TableColumn& b) { return a.width < b.width; });
        for (TableColumn& c : table.columns) {
            double need = 0;
            for (const QString& word : QString::fromStdString(c.title).split(QLatin1Char(' ')))
                need = std::max(need, TextWidth(word, table.fontSize, true) + 2.5);
            const double grow = std::clamp(need - c.width, 0.0, std::max(0.0, widest->width - 20));
            c.width += grow;
            widest->width -= grow;
        }
    }
    table.left = kLeft;
    table.top = top;
    table.bottom = kTableBottom;
    for (HeaderItem& f : table.footer) {
        f.x = f.x < 100 ? kLeft : kRight - f.width;
        if (f.kind == ItemKind::Variable) f.caption = Caption(f.source);
    }
}

} // namespace

std::string DocumentTitle(const std::filesystem::path& layoutFile) {
    static const std::map<std::string, std::string> titles = {
        {"FATTURA", "FATTURA"}, {"NOTAC", "NOTA DI CREDITO"}, {"DDT", "DOCUMENTO DI TRASPORTO"},
        {"PREVENTIVO", "PREVENTIVO"}, {"ORDIFOR", "ORDINE A FORNITORE"}, {"ORDICLI", "CONFERMA D'ORDINE"}};
    const std::string stem = QString::fromStdString(layoutFile.stem().string()).toUpper().toStdString();
    const auto found = titles.find(stem);
    return found != titles.end() ? found->second : stem;
}

Layout BusinessLayout(const std::string& title, const DefinitionList& variables, const DefinitionList& fields) {
    // The table's columns and its totals footer as a new layout sizes them.
    Layout layout = DefaultLayout(variables, fields);
    layout.header.clear();
    layout.margins = {kLeft, 10, 210 - kRight, 10};
    CompanyBlock(layout);
    layout.header.push_back(Text(title, 140, 12, kRight - 140, title.size() > 12 ? 12 : 16, true));
    layout.header.back().align = Align::Right;
    for (const Definition& v : variables.Items()) {
        if (IsNumber(v.name)) layout.header.push_back(Variable(v.name, "N. ", 140, 22, kRight - 140, 10, true));
        if (IsDate(v.name)) layout.header.push_back(Variable(v.name, "del ", 140, 27, kRight - 140, 10));
    }
    for (HeaderItem& item : layout.header)
        if (item.y >= 22 && item.x == 140) item.align = Align::Right;
    CustomerBlock(layout, variables);

    // The other variables, one under the other beside the customer.
    double y = kBlockTop + 1;
    const double step = LineHeight(kInfoFont) + 0.4;
    for (const Definition& v : variables.Items()) {
        const bool total = std::any_of(layout.table.footer.begin(), layout.table.footer.end(),
                                       [&](const HeaderItem& f) { return f.source == v.name; });
        if (IsNumber(v.name) || IsDate(v.name) || IsCustomer(v.name) || IsKey(v.name) || IsNote(v.name) || total)
            continue;
        layout.header.push_back(Variable(v.name, Caption(v.name), kLeft, y, 92, kInfoFont));
        y += step;
    }

    NoteAfterTotals(layout.table, variables);
    FitTable(layout.table, std::max(kBlockTop + 36, y + 4), fields);

    HeaderItem page;
    page.kind = ItemKind::PageNumber;
    page.x = kRight - 45;
    page.y = 282;
    page.width = 45;
    page.fontSize = 8;
    page.align = Align::Right;
    layout.header.push_back(page);
    HeaderItem printed = page;
    printed.kind = ItemKind::PrintDate;
    printed.caption = "Stampato il ";
    printed.x = kLeft;
    printed.align = Align::Left;
    layout.header.push_back(printed);
    return layout;
}

} // namespace report
