// The orvane program in the player's language: what people read (--help,
// usage errors, refusals, the errors of files and of the store) follows the
// locale's variables, and what programs read stays the same in every one.
#include "tests/support/FakeWineserver.h"
#include "tests/terminal/OrvaneCommand.h"

namespace orvane {
namespace {

std::vector<std::string> inLanguage(const std::string& lang)
{
    return {"LANG=" + lang, "LC_ALL", "LC_MESSAGES", "LANGUAGE"};
}

TEST_F(OrvaneCommand, HelpAndUsageErrorsFollowTheLocalesVariables)
{
    const Outcome german = orvane({"--help"}, inLanguage("de_DE.UTF-8"));
    EXPECT_EQ(german.status, 0);
    // The options themselves stay as they are.
    EXPECT_EQ(german.out.rfind("Aufruf: orvane [--prefix DIR]", 0), 0u) << german.out;
    EXPECT_NE(german.out.find("  --list-prefixes   die Wine-Präfixe mit dem Spiel auflisten, zuletzt benutzte\n"
                              "                    zuerst"),
              std::string::npos)
        << german.out;
    // LANGUAGE first, skipping a language without a catalogue; not where the locale is C.
    EXPECT_EQ(orvane({"--help"}, {"LANGUAGE=it:de", "LANG=fr_FR.UTF-8", "LC_ALL", "LC_MESSAGES"}).out, german.out);
    EXPECT_EQ(orvane({"--help"}, {"LANGUAGE=de", "LC_ALL=C"}).out, orvane({"--help"}).out);

    const Outcome french = orvane({"--lod"}, inLanguage("fr_FR.UTF-8"));
    EXPECT_EQ(french.status, 2);
    EXPECT_EQ(french.err.rfind("orvane: option inconnue --lod\n\nUsage : orvane ", 0), 0u) << french.err;
}

TEST_F(OrvaneCommand, RefusalsAndErrorsAreInThePlayersLanguageAndTheSavedFileIsNot)
{
    const std::string before = userReg();
    const std::string bad = configuration("bad.ini", "[Gameplay]\nnetgameport=80\n").string();
    EXPECT_EQ(onPrefix({"--load", bad}, inLanguage("fr_FR.UTF-8")).err,
              "Le port du jeu doit être une valeur entre 1024 et 49151 ! " + bad +
                  " le règle sur 80 : corrigez \"netgameport\" dans ce fichier et chargez-le de nouveau !\n");
    // The system's reason stays as the system gives it.
    const std::string none = (game.scratch() / "none.ini").string();
    EXPECT_EQ(onPrefix({"--load", none}, inLanguage("fr_FR.UTF-8")).err,
              "Impossible d'ouvrir le fichier " + none + ": there is no such file.\n");
    {
        test::FakeWineserver server(game.prefix());
        const Outcome german =
            onPrefix({"--load", configuration("g.ini", "[Video]\ngamma=70\n").string()}, inLanguage("de_DE.UTF-8"));
        EXPECT_EQ(german.status, 1);
        EXPECT_NE(german.err.find("Die Einstellungen können nicht gespeichert werden: Wine läuft für das Präfix " +
                                  game.prefix().string()),
                  std::string::npos)
            << german.err;
    }
    EXPECT_EQ(userReg(), before);
    // A file for programs, the same in every language.
    const Outcome save = onPrefix({"--save", "-"}, inLanguage("C"));
    EXPECT_EQ(save.status, 0);
    EXPECT_EQ(onPrefix({"--save", "-"}, inLanguage("zh_CN.UTF-8")).out, save.out);
}

} // namespace
} // namespace orvane
