// "Desi&gn": the kind's tables are bound, their first records declared, and
// the designer opens on the kind's layout file.
#include <fstream>
#include <iterator>

#include "print_fixture.h"
#include "report/model/report_codes.h"

namespace print_testing {
namespace {

using namespace report;
using DesignCommand = PrintWindowTest;

constexpr const char* kTitle = "Linea Vantorima 7  - Utilità";

std::vector<std::string> Names(const DefinitionList& list) {
    std::vector<std::string> names;
    for (const Definition& d : list.Items()) names.push_back(d.name);
    return names;
}

void ExpectDefinition(const DefinitionList& list, const std::string& name, const std::string& contents,
                      std::int32_t type) {
    const Definition* d = list.Find(name);
    ASSERT_NE(d, nullptr) << name;
    EXPECT_EQ(d->name, name);
    EXPECT_EQ(d->contents, contents) << name;
    EXPECT_EQ(d->type, type) << name;
}

TEST_F(DesignCommand, BeforeAnyKindNothingHappens) {
    DemoPrintDatabase();
    Click("Command1");
    EXPECT_TRUE(screens.offeredFiles.empty());
    EXPECT_TRUE(screens.designs.empty());
    EXPECT_TRUE(form->ReportEngine().Variables().Empty());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DesignCommand, DdtOpensTheDesignerOnItsFileWithTheFirstRecordsDeclared) {
    DemoPrintDatabase();
    Click("Command5");
    Click("Command1");

    ASSERT_EQ(screens.offeredFiles.size(), 1u);
    EXPECT_EQ(screens.offeredFiles[0], Archive("DDT.LST"));
    ASSERT_EQ(screens.designs.size(), 1u);
    const DesignRequest& design = screens.designs[0];
    EXPECT_EQ(design.title, "Impostazione modulo Fattura");
    EXPECT_EQ(design.file, Archive("DDT.LST"));
    EXPECT_TRUE(design.newLayout);

    const std::vector<std::string> header{"id ddt", "ddt_n", "anno_ddt", "data_ddt", "nominativo", "indirizzo",
                                          "cap", "citta", "pr", "piva", "destina2", "indirizzo2", "citta2",
                                          "cautra", "aspetto", "porto", "vettore", "colli", "peso",
                                          "data_trasporto", "fatturato"};
    EXPECT_EQ(Names(design.variables), header);
    ExpectDefinition(design.variables, "id ddt", "1", kFieldTypeNumeric);
    ExpectDefinition(design.variables, "data_ddt", "45365", kFieldTypeDate);
    ExpectDefinition(design.variables, "nominativo", "Ferramenta Bianchi S.r.l.", kFieldTypeText);
    ExpectDefinition(design.variables, "colli", "6", kFieldTypeNumeric);
    ExpectDefinition(design.variables, "peso", "48.5", kFieldTypeNumeric);
    EXPECT_EQ(design.variables.Find("fatturato")->type, kFieldTypeBoolean);
    EXPECT_EQ(design.variables.Find("data_trasporto")->type, kFieldTypeDate);

    EXPECT_EQ(Names(design.fields),
              (std::vector<std::string>{"id voce", "id ddt", "codice", "articolo", "unità", "qtà", "lotto"}));
    ExpectDefinition(design.fields, "codice", "FE-1020", kFieldTypeText);
    ExpectDefinition(design.fields, "qtà", "12", kFieldTypeNumeric);
    ExpectDefinition(design.fields, "lotto", "L2403A", kFieldTypeText);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DesignCommand, NullsCurrencyAndLineDatesAreDeclaredAsText) {
    PrintDatabase({
        "CREATE TABLE [NOTACREDITO] ([id nota] LONG, [nota_n] LONG, [data_nota] DATETIME, [tnota] CURRENCY, "
        "[stampata] YESNO)",
        "INSERT INTO [NOTACREDITO] ([id nota], [nota_n], [data_nota], [tnota], [stampata]) "
        "VALUES (1, NULL, #2024-04-02#, 142.63, TRUE)",
        "CREATE TABLE [NOTACREDITO_VOCI] ([id voce] LONG, [id nota] LONG, [consegna] DATETIME, [reso] YESNO, "
        "[nota] TEXT(20))",
        "INSERT INTO [NOTACREDITO_VOCI] ([id voce], [id nota], [consegna], [reso], [nota]) "
        "VALUES (1, 1, #2024-04-05#, TRUE, NULL)",
    });
    Click("Command4");
    Click("Command1");
    ASSERT_EQ(screens.designs.size(), 1u);
    const DesignRequest& design = screens.designs[0];
    ExpectDefinition(design.variables, "nota_n", "", kFieldTypeText);
    ExpectDefinition(design.variables, "data_nota", "45384", kFieldTypeDate);
    ExpectDefinition(design.variables, "tnota", "142.63", kFieldTypeText);
    EXPECT_EQ(design.variables.Find("stampata")->type, kFieldTypeBoolean);
    EXPECT_EQ(design.fields.Find("consegna")->type, kFieldTypeText);
    EXPECT_EQ(design.fields.Find("consegna")->contents, "05/04/2024");
    EXPECT_EQ(design.fields.Find("reso")->type, kFieldTypeText);
    ExpectDefinition(design.fields, "nota", "", kFieldTypeText);
}

TEST_F(DesignCommand, TheLastKindCountsAndAnotherFileChosenIsDesignedButNotShown) {
    DemoPrintDatabase();
    Click("Command3");
    Click("Command4");
    screens.ChooseFile(Archive("Mia nota.LST"));
    Click("Command1");
    ASSERT_EQ(screens.designs.size(), 1u);
    EXPECT_EQ(screens.offeredFiles[0], Archive("NOTAC.LST"));
    EXPECT_EQ(screens.designs[0].file, Archive("Mia nota.LST"));
    EXPECT_NE(screens.designs[0].variables.Find("id nota"), nullptr);
    EXPECT_EQ(Box(1), QStringLiteral("C:\\archivi\\NOTAC.LST"));

    // A cancelled selection still opens the designer, on the box's file.
    screens.CancelFileChoice();
    Click("Command1");
    ASSERT_EQ(screens.designs.size(), 2u);
    EXPECT_EQ(screens.designs[1].file, Archive("NOTAC.LST"));
}

TEST_F(DesignCommand, EmptyTablesStillLetTheLayoutBeDesignedByColumnName) {
    PrintDatabase({"CREATE TABLE [PREVENTIVO] ([id preventivo] LONG, [data_preventivo] DATETIME)",
                   "CREATE TABLE [PREVENTIVO_VOCI] ([id voce] LONG, [id preventivo] LONG, [articolo] TEXT(50))"});
    Click("Command6");
    Click("Command1");
    ASSERT_EQ(screens.designs.size(), 1u);
    EXPECT_EQ(Names(screens.designs[0].variables), (std::vector<std::string>{"id preventivo", "data_preventivo"}));
    ExpectDefinition(screens.designs[0].variables, "data_preventivo", "", kFieldTypeText);
    ExpectDefinition(screens.designs[0].fields, "articolo", "", kFieldTypeText);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DesignCommand, WhatCannotBeDesignedIsToldAndTheDesignerStaysShut) {
    // No print database at all.
    Click("Command7");
    Click("Command1");
    // A typed kind that is none of the six.
    DemoPrintDatabase();
    SetBox(0, QStringLiteral("fattura/nota di credito"));
    Click("Command1");
    // A layout file that is not one.
    Click("Command3");
    std::ofstream(Archive("Fattura.LST"), std::ios::binary) << "\x01\x02 binary layout";
    Click("Command1");
    // A layout of a later version of the program.
    const std::string newer = R"({"format": "vantorima-layout", "version": 9})";
    std::ofstream(Archive("Fattura.LST"), std::ios::binary) << newer;
    Click("Command1");

    ASSERT_EQ(Messages().size(), 4u);
    EXPECT_EQ(Messages()[3].text, Lines({"Modulo di stampa salvato da una versione più recente del programma :",
                                         "C:\\archivi\\Fattura.LST"}));
    std::ifstream kept(Archive("Fattura.LST"), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), newer) << "never overwritten";
    EXPECT_EQ(Messages()[0].text, Lines({"Archivio di stampa non trovato :", "C:\\archivi\\vantorima7LL.mdb"}));
    EXPECT_EQ(Messages()[1].text, "Tipo di documento non riconosciuto !");
    EXPECT_EQ(Messages()[2].text, Lines({"Modulo di stampa non valido :", "C:\\archivi\\Fattura.LST"}));
    for (const ui::MessageRequest& m : Messages()) {
        EXPECT_EQ(m.title, kTitle);
        EXPECT_EQ(m.buttons, ui::Buttons::Ok);
        EXPECT_EQ(m.icon, ui::Icon::Exclamation);
    }
    EXPECT_TRUE(screens.designs.empty());
}

TEST_F(DesignCommand, ThePreviewPrintsTheFirstDocumentWithTheLayoutOnScreenWithoutSavingIt) {
    DemoPrintDatabase();
    screens.designer = [](DesignRequest& request) {
        ASSERT_TRUE(request.preview);
        Layout edited = request.layout;
        HeaderItem draft;
        draft.kind = ItemKind::Text;
        draft.source = "BOZZA";
        edited.header.push_back(draft);
        request.preview(edited);
    };
    Click("Command3");
    Click("Command1");

    ASSERT_EQ(screens.previews.size(), 1u);
    EXPECT_EQ(screens.previewTitles[0], "Anteprima di stampa - Fattura.LST");
    bool draft = false, line = false;
    for (const PageText& t : screens.previews[0].front().texts) {
        draft = draft || t.text == QStringLiteral("BOZZA");
        line = line || t.text.startsWith(QStringLiteral("Trapano"));
    }
    EXPECT_TRUE(draft) << "the layout being edited";
    EXPECT_TRUE(line) << "the document's own lines";
    EXPECT_EQ(screens.offeredFiles.size(), 1u) << "no second file selection";
    EXPECT_TRUE(screens.optionTexts.empty()) << "no print options";
    EXPECT_FALSE(fs::exists(Archive("Fattura.LST")));
    EXPECT_FALSE(fs::exists(ReportControl::PreviewFileFor(Archive("Fattura.LST").string())));
}

TEST_F(DesignCommand, AMissingTableIsNamed) {
    PrintDatabase({"CREATE TABLE [ORDICLI] ([id ordine] LONG)"});
    Click("Command8");
    Click("Command1");
    Click("Command5");
    Click("Command1");
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[0].text, Lines({"Tabella mancante nell'archivio di stampa :", "ORDICLI_VOCI"}));
    EXPECT_EQ(Messages()[1].text, Lines({"Tabella mancante nell'archivio di stampa :", "DDT"}));
    EXPECT_TRUE(screens.designs.empty());
}

} // namespace
} // namespace print_testing
