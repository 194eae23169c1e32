#include "Kitbase/UserDefaultsManager.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using kitbase::UserDefaultsManager;

// A record with an nlohmann encoding found by ADL.
struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};
void to_json(nlohmann::json& json, const Point& point) { json = {{"x", point.x}, {"y", point.y}}; }
void from_json(const nlohmann::json& json, Point& point) {
    json.at("x").get_to(point.x);
    json.at("y").get_to(point.y);
}

// A record with member toJson/fromJson that writes its keys out of alphabetical order.
struct Slot {
    std::string name;
    int index = 0;
    bool operator==(const Slot&) const = default;
    nlohmann::ordered_json toJson() const {
        nlohmann::ordered_json json;
        json["name"] = name;
        json["index"] = index;
        return json;
    }
    static std::optional<Slot> fromJson(const nlohmann::json& json) {
        if (!json.is_object() || !json.contains("name") || !json["name"].is_string()) return std::nullopt;
        return Slot{json["name"].get<std::string>(), json.value("index", 0)};
    }
};

class UserDefaultsManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        UserDefaultsManager::setUser(openSettings(path("settings.ini")));
    }
    void TearDown() override { UserDefaultsManager::setUser(nullptr); }

    QString path(const QString& name) const { return dir_.filePath(name); }
    static std::shared_ptr<QSettings> openSettings(const QString& file) {
        return std::make_shared<QSettings>(file, QSettings::IniFormat);
    }
    // A settings file as another process would have left it. Each name must be fresh: Qt caches
    // files it has opened in this process.
    void useIniText(const QString& name, const QByteArray& text) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        UserDefaultsManager::setUser(openSettings(path(name)));
    }
    static QByteArray fileText(const QString& file) {
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }

    QTemporaryDir dir_;
};

TEST_F(UserDefaultsManagerTest, StoresCompactJsonBytesInFieldOrderAndReadsThemAfterARestart) {
    UserDefaultsManager::set(Slot{"primary", 3}, "slot");
    UserDefaultsManager::set(Point{1, -2}, "point");
    UserDefaultsManager::set(std::vector<int>{1, 2, 3}, "list");
    UserDefaultsManager::set(std::string("caf\xc3\xa9"), "text");
    UserDefaultsManager::set(true, "flag");

    EXPECT_EQ(UserDefaultsManager::data("slot"), QByteArray(R"({"name":"primary","index":3})"));
    EXPECT_EQ(UserDefaultsManager::data("point"), QByteArray(R"({"x":1,"y":-2})"));
    EXPECT_EQ(UserDefaultsManager::data("list"), QByteArray("[1,2,3]"));
    EXPECT_EQ(UserDefaultsManager::data("flag"), QByteArray("true"));

    UserDefaultsManager::synchronize();
    EXPECT_TRUE(fileText(path("settings.ini")).contains(R"x(slot="@ByteArray({\"name\":\"primary\",\"index\":3})")x"))
        << fileText(path("settings.ini")).toStdString();

    // A copy under a new name is read from disk, as the next run would read it.
    ASSERT_TRUE(QFile::copy(path("settings.ini"), path("restart.ini")));
    UserDefaultsManager::setUser(openSettings(path("restart.ini")));
    EXPECT_EQ(UserDefaultsManager::get<Slot>("slot"), (Slot{"primary", 3}));
    EXPECT_EQ(UserDefaultsManager::get<Point>("point"), (Point{1, -2}));
    EXPECT_EQ(UserDefaultsManager::get<std::vector<int>>("list"), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(UserDefaultsManager::get<std::string>("text"), std::string("caf\xc3\xa9"));
    EXPECT_EQ(UserDefaultsManager::get<bool>("flag"), true);
}

TEST_F(UserDefaultsManagerTest, GetAnswersNothingForAbsentMistypedOrUndecodableEntries) {
    useIniText("typed.ini", "[General]\n"
                            "count=5\n"
                            "words=hello\n"
                            "flag=true\n"
                            "five=@ByteArray(5)\n"
                            "broken=@ByteArray({\\\"x\\\":1)\n"
                            // Qt quotes a value with a comma; unquoted it would be a list.
                            "point=\"@ByteArray({\\\"x\\\":1,\\\"y\\\":2})\"\n"
                            "list=@ByteArray({\\\"x\\\":1,\\\"y\\\":2})\n");
    EXPECT_EQ(UserDefaultsManager::get<int>("absent"), std::nullopt);
    EXPECT_EQ(UserDefaultsManager::get<int>("count"), std::nullopt);      // a plain integer
    EXPECT_EQ(UserDefaultsManager::get<std::string>("words"), std::nullopt);
    EXPECT_EQ(UserDefaultsManager::get<bool>("flag"), std::nullopt);
    EXPECT_EQ(UserDefaultsManager::get<int>("five"), 5);                 // the same number as data
    EXPECT_EQ(UserDefaultsManager::get<std::string>("five"), std::nullopt);
    EXPECT_EQ(UserDefaultsManager::get<Point>("broken"), std::nullopt);
    EXPECT_EQ(UserDefaultsManager::get<Point>("point"), (Point{1, 2}));
    EXPECT_EQ(UserDefaultsManager::get<Slot>("point"), std::nullopt);    // valid JSON, wrong shape
    EXPECT_EQ(UserDefaultsManager::get<Point>("list"), std::nullopt);

    UserDefaultsManager::setInteger(5, "written"); // kept as an integer in this process
    EXPECT_EQ(UserDefaultsManager::get<int>("written"), std::nullopt);
}

TEST_F(UserDefaultsManagerTest, NumbersDecodeStrictlyIntoTheRequestedType) {
    const auto store = [](const char* json) { UserDefaultsManager::setData(QByteArray(json), "n"); };
    store("true");
    EXPECT_EQ(UserDefaultsManager::get<int>("n"), std::nullopt);
    store("1.5");
    EXPECT_EQ(UserDefaultsManager::get<int>("n"), std::nullopt);
    EXPECT_EQ(UserDefaultsManager::get<double>("n"), 1.5);
    store("300");
    EXPECT_EQ(UserDefaultsManager::get<std::uint8_t>("n"), std::nullopt);
    EXPECT_EQ(UserDefaultsManager::get<std::int16_t>("n"), 300);
    store("-1");
    EXPECT_EQ(UserDefaultsManager::get<unsigned>("n"), std::nullopt);
    EXPECT_EQ(UserDefaultsManager::get<int>("n"), -1);
    store("18446744073709551615");
    EXPECT_EQ(UserDefaultsManager::get<std::int64_t>("n"), std::nullopt);
    EXPECT_EQ(UserDefaultsManager::get<std::uint64_t>("n"), UINT64_MAX);
    store("0");
    EXPECT_EQ(UserDefaultsManager::get<bool>("n"), std::nullopt);
}

TEST_F(UserDefaultsManagerTest, EncodingFailurePrintsOneLineAndKeepsTheStoredValue) {
    UserDefaultsManager::set(std::string("kept"), "text");
    testing::internal::CaptureStdout();
    UserDefaultsManager::set(std::string("bad \xff byte"), "text");
    UserDefaultsManager::set(std::string("\xff"), "other");
    const std::string printed = testing::internal::GetCapturedStdout();

    EXPECT_EQ(UserDefaultsManager::get<std::string>("text"), "kept");
    EXPECT_FALSE(UserDefaultsManager::user()->contains("other"));
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 2) << printed;
    EXPECT_NE(printed.find("UTF-8"), std::string::npos) << printed;
}

TEST_F(UserDefaultsManagerTest, IntegerAcceptsWholeNumbersOnly) {
    useIniText("integers.ini", "[General]\n"
                               "plain=42\n"
                               "negative=-7\n"
                               "huge=9223372036854775808\n"
                               "fraction=4.5\n"
                               "word=abc\n"
                               "flag=true\n"
                               "bytes=@ByteArray(42)\n");
    EXPECT_EQ(UserDefaultsManager::integer("plain"), 42);
    EXPECT_EQ(UserDefaultsManager::integer("negative"), -7);
    EXPECT_EQ(UserDefaultsManager::integer("huge"), std::nullopt);
    EXPECT_EQ(UserDefaultsManager::integer("fraction"), std::nullopt);
    EXPECT_EQ(UserDefaultsManager::integer("word"), std::nullopt);
    EXPECT_EQ(UserDefaultsManager::integer("flag"), std::nullopt);
    EXPECT_EQ(UserDefaultsManager::integer("bytes"), std::nullopt);
    EXPECT_EQ(UserDefaultsManager::integer("absent"), std::nullopt);

    UserDefaultsManager::setInteger(INT64_MAX, "max");
    UserDefaultsManager::synchronize();
    ASSERT_TRUE(QFile::copy(path("integers.ini"), path("integers-restart.ini")));
    UserDefaultsManager::setUser(openSettings(path("integers-restart.ini")));
    EXPECT_EQ(UserDefaultsManager::integer("max"), INT64_MAX);
}

} // namespace

namespace {

std::vector<std::string>& warnings() {
    static std::vector<std::string> lines;
    return lines;
}

// A settings folder that cannot be made (a file stands in its path): the values live on in
// memory for the session, one warning names the file, and nothing stops.
TEST_F(UserDefaultsManagerTest, SettingsThatCannotBeWrittenStayInMemoryWithOneWarning) {
    {
        QFile blocker(path("blocker"));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    const QString file = path("blocker/Framewright/Framewright.conf");
    UserDefaultsManager::setUser(openSettings(file));
    warnings().clear();
    const auto previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtWarningMsg) warnings().push_back(text.toStdString());
    });
    UserDefaultsManager::set(std::int64_t{7}, "first");
    UserDefaultsManager::synchronize();
    UserDefaultsManager::set(std::string("later"), "second");
    UserDefaultsManager::setInteger(3, "count");
    UserDefaultsManager::synchronize();
    qInstallMessageHandler(previous);

    EXPECT_EQ(UserDefaultsManager::get<std::int64_t>("first"), 7);
    EXPECT_EQ(UserDefaultsManager::get<std::string>("second"), "later");
    EXPECT_EQ(UserDefaultsManager::integer("count"), 3);
    ASSERT_EQ(warnings().size(), 1u);
    EXPECT_EQ(warnings()[0], "The settings cannot be saved to " + file.toStdString() +
                                 "; they are kept until the program quits.");
}

} // namespace
