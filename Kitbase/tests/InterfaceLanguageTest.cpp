#include "Kitbase/DateFormatting.h"
#include "Kitbase/InterfaceLanguage.h"

#include <gtest/gtest.h>

#include <QDateTime>

#include <map>
#include <string>
#include <vector>

namespace {

using kitbase::InterfaceLanguage;
using List = std::vector<std::string>;

List wantedWith(const std::map<std::string, std::string>& environment) {
    return InterfaceLanguage::wanted([&](const char* name) -> const char* {
        const auto found = environment.find(name);
        return found == environment.end() ? nullptr : found->second.c_str();
    });
}

TEST(InterfaceLanguageTest, ReadsTheVariablesInGettextOrder) {
    EXPECT_EQ(wantedWith({}), List{});
    EXPECT_EQ(wantedWith({{"LANG", "de_DE.UTF-8"}}), (List{"de_DE", "de"}));
    EXPECT_EQ(wantedWith({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}), (List{"fr_FR", "fr"}));
    EXPECT_EQ(wantedWith({{"LC_MESSAGES", "fr_FR"}, {"LC_ALL", "es_ES@euro"}}), (List{"es_ES", "es"}));
    // LANGUAGE first, whatever the locale; set but empty, it is as if unset.
    EXPECT_EQ(wantedWith({{"LC_ALL", "es_ES.UTF-8"}, {"LANGUAGE", "ja"}}), (List{"ja"}));
    EXPECT_EQ(wantedWith({{"LC_ALL", "", }, {"LANGUAGE", ":"}, {"LANG", "ja_JP.UTF-8"}}), (List{"ja_JP", "ja"}));
}

TEST(InterfaceLanguageTest, ListsEveryWantedLanguageUntilEnglish) {
    EXPECT_EQ(wantedWith({{"LANGUAGE", "de_AT.UTF-8@euro::fr:de"}}), (List{"de_AT", "de", "fr"}));
    // Nothing after English is wanted more than the source texts.
    EXPECT_EQ(wantedWith({{"LANGUAGE", "it:en_GB:de"}}), (List{"it", "en"}));
    EXPECT_EQ(wantedWith({{"LANG", "C.UTF-8"}}), List{"en"});
    EXPECT_EQ(wantedWith({{"LC_ALL", "POSIX"}, {"LANG", "de_DE"}}), List{"en"});
}

TEST(InterfaceLanguageTest, RelativeDatesFollowTheChosenLanguage) {
    const QDateTime now(QDate(2024, 1, 17), QTime(12, 0, 0), Qt::UTC);
    InterfaceLanguage::setCurrent("fr");
    const QString french = kitbase::timeAgoDisplay(now.addDays(-1), now);
    InterfaceLanguage::setCurrent("");
    EXPECT_EQ(french, QString::fromUtf8("hier"));
    // An explicit locale still wins.
    InterfaceLanguage::setCurrent("fr");
    const QString german = kitbase::timeAgoDisplay(now.addDays(-1), now, "de_DE");
    InterfaceLanguage::setCurrent("");
    EXPECT_EQ(german, QString::fromUtf8("gestern"));
}

} // namespace
