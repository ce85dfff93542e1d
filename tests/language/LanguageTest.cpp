// Catalogues as translators' tools write them, the language picked from
// the variables gettext reads, and the windows' layouts in it.
#include "app/MainWindow.h"
#include "controls/TranslatedLayout.h"
#include "dialogs/AboutBox.h"
#include "dialogs/RestoreDialog.h"
#include "language/LanguageChoice.h"
#include "language/Texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace orvane {
namespace {

TEST(PoCatalogue, ReadsWhatTranslatorsToolsWriteAndKeepsEnglishWhereThereIsNoTranslation)
{
    const PoCatalogue catalogue = PoCatalogue::parse(R"po(# A translator's comment
msgid ""
msgstr ""
"Content-Type: text/plain; charset=UTF-8\n"

#: app/MainWindow.cpp
msgid "Apply"
msgstr "Übernehmen"

#. the File menu
msgctxt "menu"
msgid "Apply"
msgstr "Ü&bernehmen"

msgid ""
"two\n"
"lines \"quoted\" \\ tab\t"
msgstr "zwei\nZeilen \"zitiert\" \\ Tab\t"

#, fuzzy
msgid "Gamma"
msgstr "Gammakorrektur"

msgid "Cancel"
msgstr ""

#~ msgid "Old"
#~ msgstr "Alt"
)po",
                                                     "de.po");
    EXPECT_EQ(catalogue.size(), 3u);
    ASSERT_NE(catalogue.find("Apply"), nullptr);
    EXPECT_EQ(*catalogue.find("Apply"), "Übernehmen");
    EXPECT_EQ(*catalogue.find("Apply", "menu"), "Ü&bernehmen");
    ASSERT_NE(catalogue.find("two\nlines \"quoted\" \\ tab\t"), nullptr);
    EXPECT_EQ(*catalogue.find("two\nlines \"quoted\" \\ tab\t"), "zwei\nZeilen \"zitiert\" \\ Tab\t");
    // A fuzzy guess, an empty translation and an obsolete entry are no translations.
    EXPECT_EQ(catalogue.find("Gamma"), nullptr);
    EXPECT_EQ(catalogue.find("Cancel"), nullptr);
    EXPECT_EQ(catalogue.find("Old"), nullptr);
    EXPECT_EQ(catalogue.find(""), nullptr);

    const Texts texts("de", catalogue);
    EXPECT_EQ(texts("Apply"), "Übernehmen");
    EXPECT_EQ(texts("Cancel"), "Cancel");
    EXPECT_EQ(Texts()("Apply"), "Apply");
}

TEST(PoCatalogue, FormattedTextsTakeTheirArgumentsInTheTranslationsOrder)
{
    const Texts texts("de", PoCatalogue::parse(R"po(
msgid "Copy %s to %s"
msgstr "Nach %2$s kopieren: %1$s"

msgid "%s of %s"
msgstr "%s von %s"
)po",
                                                 "de.po"));
    EXPECT_EQ(texts.formatted("Copy %s to %s", {"a.ini", "C:\\"}), "Nach C:\\ kopieren: a.ini");
    EXPECT_EQ(texts.formatted("%s of %s", {"1", "2"}), "1 von 2");
    // English, a per cent sign, and an argument that looks like a format.
    EXPECT_EQ(texts.formatted("100%% of %s", {"%s"}), "100% of %s");
    EXPECT_EQ(Texts().formatted("Copy %s to %s", {"a", "b"}), "Copy a to b");
}

TEST(PoCatalogue, ABrokenCatalogueNamesItsFileAndLine)
{
    const std::map<std::string, std::string> broken{
        {"msgid \"a\"\nmsgid \"b\"\nmsgstr \"c\"\n", "de.po:2: a second msgid"},
        {"msgid \"a\"\n", "de.po:1: msgid \"a\" without its msgstr"},
        {"msgstr \"a\"\n", "de.po:1: msgstr without its msgid"},
        {"msgid \"a\"\nmsgstr \"\\q\"\n", "de.po:2: an unknown escape \\q"},
        {"msgid \"a\nmsgstr \"b\"\n", "de.po:1: a string that is not within double quotes"},
        {"\"lost\"\n", "de.po:1: a string that continues no"},
        {"msgid \"a\"\nmsgid_plural \"as\"\nmsgstr \"b\"\n", "de.po:3: msgstr where a text with plural forms"},
        {"msgid \"a\"\nmsgid_plural \"as\"\nmsgstr[1] \"b\"\n", "de.po:3: msgstr[1] out of order"},
        {"msgid \"a\"\nmsgstr[0] \"b\"\n", "de.po:2: a msgstr[0] without its msgid_plural"},
        {"msgid \"\"\nmsgstr \"Plural-Forms: nplurals=2; plural=n >;\\n\"\n",
         "de.po:1: the plural rule \"n >\" cannot be read"},
        {"msgid \"\"\nmsgstr \"Plural-Forms: nplurals=2; plural=n % 0;\\n\"\n", "de.po:1: the plural rule"},
        {"msgid \"a\"\nmsgstr \"b\"\nmsgid \"a\"\nmsgstr \"c\"\n", "de.po:3: msgid \"a\" translated twice"},
        {"msgid \"a\"\nmsgstr \"b\"\nmsgstrr \"c\"\n", "de.po:3: an unknown keyword \"msgstrr\""},
    };
    for (const auto& [text, message] : broken) {
        try {
            PoCatalogue::parse(text, "de.po");
            ADD_FAILURE() << "read: " << text;
        } catch (const CatalogueError& error) {
            EXPECT_EQ(std::string(error.what()).rfind(message, 0), 0u) << error.what();
        }
    }
}

// Russian has three forms (1, 2-4, 5-20 ...), Polish another three, Chinese one.
TEST(PoCatalogue, TextsThatNameACountTakeTheLanguagesPluralForm)
{
    const auto catalogue = [](const std::string& rule, const std::string& forms) {
        return Texts("xx", PoCatalogue::parse("msgid \"\"\nmsgstr \"Plural-Forms: " + rule +
                                                  "\\n\"\n\nmsgid \"%s value\"\nmsgid_plural \"%s values\"\n" + forms,
                                              "xx.po"));
    };
    const Texts russian = catalogue("nplurals=3; plural=(n%10==1 && n%100!=11 ? 0 : n%10>=2 && n%10<=4 && "
                                    "(n%100<10 || n%100>=20) ? 1 : 2);",
                                    "msgstr[0] \"%s значение\"\nmsgstr[1] \"%s значения\"\nmsgstr[2] \"%s значений\"\n");
    const auto inRussian = [&](unsigned long n) {
        return russian.formattedPlural("%s value", "%s values", n, {std::to_string(n)});
    };
    EXPECT_EQ(inRussian(1), "1 значение");
    EXPECT_EQ(inRussian(3), "3 значения");
    EXPECT_EQ(inRussian(5), "5 значений");
    EXPECT_EQ(inRussian(11), "11 значений");
    EXPECT_EQ(inRussian(21), "21 значение");
    EXPECT_EQ(inRussian(112), "112 значений");
    const Texts polish = catalogue("nplurals=3; plural=(n==1 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 "
                                   ": 2);",
                                   "msgstr[0] \"%s wartość\"\nmsgstr[1] \"%s wartości\"\nmsgstr[2] \"%s wartości!\"\n");
    EXPECT_EQ(polish.formattedPlural("%s value", "%s values", 22, {"22"}), "22 wartości");
    EXPECT_EQ(polish.formattedPlural("%s value", "%s values", 21, {"21"}), "21 wartości!");
    const Texts chinese = catalogue("nplurals=1; plural=0;", "msgstr[0] \"%s 个值\"\n");
    EXPECT_EQ(chinese.formattedPlural("%s value", "%s values", 1, {"1"}), "1 个值");
    EXPECT_EQ(chinese.formattedPlural("%s value", "%s values", 7, {"7"}), "7 个值");
    // English, and a form the catalogue lacks, fall back to the English text.
    EXPECT_EQ(Texts().formattedPlural("%s value", "%s values", 1, {"1"}), "1 value");
    EXPECT_EQ(Texts().formattedPlural("%s value", "%s values", 0, {"0"}), "0 values");
    const Texts short_ = catalogue("nplurals=3; plural=n==1 ? 0 : n==2 ? 1 : 2;", "msgstr[0] \"%s W\"\nmsgstr[1] \"%s Ws\"\n");
    EXPECT_EQ(short_.formattedPlural("%s value", "%s values", 9, {"9"}), "9 values");
}

std::vector<std::string> preferredIn(std::map<std::string, std::string> variables)
{
    return preferredLanguages([&](const char* name) -> std::optional<std::string> {
        const auto found = variables.find(name);
        return found == variables.end() ? std::nullopt : std::optional(found->second);
    });
}

TEST(LanguageChoice, FollowsGettextsOrderOfVariables)
{
    using List = std::vector<std::string>;
    EXPECT_EQ(preferredIn({}), List{});
    EXPECT_EQ(preferredIn({{"LANG", "de_DE.UTF-8"}}), List{"de_DE.UTF-8"});
    EXPECT_EQ(preferredIn({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}), List{"fr_FR.UTF-8"});
    EXPECT_EQ(preferredIn({{"LC_ALL", "ru_RU.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}), List{"ru_RU.UTF-8"});
    // An empty variable is as good as none.
    EXPECT_EQ(preferredIn({{"LC_ALL", ""}, {"LANG", "pl_PL.UTF-8"}}), List{"pl_PL.UTF-8"});
    // LANGUAGE comes first, as a list, except where the locale is C.
    EXPECT_EQ(preferredIn({{"LANGUAGE", "pt_BR::es"}, {"LANG", "de_DE.UTF-8"}}), (List{"pt_BR", "es", "de_DE.UTF-8"}));
    EXPECT_EQ(preferredIn({{"LANGUAGE", "de"}, {"LANG", "C"}}), List{});
    EXPECT_EQ(preferredIn({{"LANGUAGE", "de"}, {"LC_ALL", "POSIX"}, {"LANG", "fr_FR"}}), List{});
    EXPECT_EQ(preferredIn({{"LANGUAGE", "de"}}), List{});
}

TEST(LanguageChoice, TakesTheClosestCatalogue)
{
    const std::vector<std::string> catalogues{"de", "pt_BR", "zh_CN", "ko"};
    using Choice = std::optional<std::string>;
    EXPECT_EQ(chosenCatalogue({"de_AT.UTF-8@euro"}, catalogues), Choice("de"));
    EXPECT_EQ(chosenCatalogue({"pt_BR.UTF-8"}, catalogues), Choice("pt_BR"));
    EXPECT_EQ(chosenCatalogue({"pt_PT.UTF-8"}, catalogues), std::nullopt); // Brazilian is not European Portuguese
    EXPECT_EQ(chosenCatalogue({"zh-CN"}, catalogues), Choice("zh_CN"));  // as Windows names it
    EXPECT_EQ(chosenCatalogue({"zh_TW.UTF-8"}, catalogues), std::nullopt);
    EXPECT_EQ(chosenCatalogue({"fi", "ko_KR.UTF-8", "de"}, catalogues), Choice("ko"));
    EXPECT_EQ(chosenCatalogue({"en_US.UTF-8"}, catalogues), std::nullopt);
}

const LayoutRow& rowOf(const WindowLayout& layout, std::string_view name)
{
    return *std::find_if(layout.controls.begin(), layout.controls.end(),
                         [&](const LayoutRow& row) { return row.name == name; });
}

TEST(TranslatedLayout, TheBuiltInGermanCatalogueGivesTheWindowsTheirTextsAndLeavesNamesAndNumbers)
{
    const Texts german = textsFor({"de_DE.UTF-8"}, builtInCatalogues());
    ASSERT_EQ(german.language(), "de");
    const WindowLayout main = translated(mainWindowLayout(), german);
    EXPECT_EQ(rowOf(main, "GAS").caption, "Übernehmen");
    EXPECT_EQ(rowOf(main, "GAS").hint, "Wenn Sie hier klicken, werden Ihre Änderungen in der Registrierung gespeichert.");
    EXPECT_EQ(rowOf(main, "CMFile").caption, "&Datei");
    EXPECT_EQ(rowOf(main, "MDCombo").items, (std::vector<std::string>{"Niedrig", "Mittel", "Hoch"}));
    EXPECT_EQ(rowOf(main, "MSCount").caption, "1");
    EXPECT_EQ(rowOf(main, "MSCB").left, rowOf(mainWindowLayout(), "MSCB").left); // places stay
    const WindowLayout about = translated(aboutBoxLayout(), german);
    EXPECT_EQ(about.caption, "Über Orvane");
    EXPECT_EQ(rowOf(about, "lbWeb").caption, rowOf(aboutBoxLayout(), "lbWeb").caption);
    // English needs no catalogue, and a language without one is English.
    EXPECT_EQ(rowOf(translated(mainWindowLayout(), textsFor({"fi_FI.UTF-8"}, builtInCatalogues())), "GAS").caption,
              "Apply Settings");
}

// The history's entries keep English names in their files; the player reads them translated.
TEST(TranslatedLayout, TheHistorysEntriesReadInTheLanguageWithTheirCountsPluralForm)
{
    const Texts russian = textsFor({"ru_RU.UTF-8"}, builtInCatalogues());
    EXPECT_EQ(entryText({"", "2026-12-09T23:41:07", "Apply Video", 3}, russian),
              "2026-12-09 23:41:07   Применение: Видео   (3 значения)");
    EXPECT_EQ(entryText({"", "2026-12-09T23:41:07", "Apply Video", 5}, russian),
              "2026-12-09 23:41:07   Применение: Видео   (5 значений)");
    EXPECT_EQ(entryText({"", "2026-12-09T23:41:07", "--load", 1}, Texts()), "2026-12-09 23:41:07   --load   (1 value)");
}

} // namespace
} // namespace orvane
