#include "Kitbase/ManagedObjectContext.h"
#include "Kitbase/PersistentContainer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <set>

namespace {

using namespace kitbase;

// Folders own notes (deleting a folder deletes its notes) and pins (deleting a folder unpins).
std::vector<EntityDescription> folderEntities(bool withColour = false) {
    EntityDescription folder;
    folder.name = "Folder";
    folder.attributes = {{.name = "name", .type = AttributeType::string},
                         {.name = "rank", .type = AttributeType::integer64, .defaultValue = std::int64_t{0}},
                         {.name = "archived", .type = AttributeType::boolean, .defaultValue = false},
                         {.name = "created", .type = AttributeType::date}};
    if (withColour) folder.attributes.push_back({.name = "colour", .type = AttributeType::string});
    folder.relationships = {
        {.name = "notes", .destinationEntityName = "Note", .inverseName = "folder", .isToMany = true,
         .deleteRule = DeleteRule::cascade},
        {.name = "pins", .destinationEntityName = "Pin", .inverseName = "folder", .isToMany = true}};
    folder.fetchIndexes = {{"archived", "rank"}};
    EntityDescription note;
    note.name = "Note";
    note.attributes = {{.name = "text", .type = AttributeType::string}, {.name = "uid", .type = AttributeType::uuid}};
    note.relationships = {{.name = "folder", .destinationEntityName = "Folder", .inverseName = "notes"}};
    EntityDescription pin;
    pin.name = "Pin";
    pin.attributes = {{.name = "label", .type = AttributeType::string}};
    pin.relationships = {{.name = "folder", .destinationEntityName = "Folder", .inverseName = "pins"}};
    // Pin is listed first so that saving must order inserts by relationship, not by listing.
    return {pin, folder, note};
}

enum { name, rank, archived, created };
enum { notes, pins };
constexpr std::size_t noteFolder = 0;

std::shared_ptr<const ManagedObjectModel> folderModel(bool withColour = false) {
    return std::make_shared<const ManagedObjectModel>("Folders", folderEntities(withColour));
}

std::unique_ptr<PersistentContainer> openContainer(const std::filesystem::path& file,
                                                   std::shared_ptr<const ManagedObjectModel> model = folderModel()) {
    auto container = std::make_unique<PersistentContainer>("Folders", std::move(model));
    auto& description = container->persistentStoreDescriptions().front();
    description.url = file;
    description.persistentHistoryTracking = true;
    description.remoteChangeNotificationPost = true;
    std::optional<StoreError> error;
    container->loadPersistentStores([&](const auto&, const auto& outcome) { error = outcome; });
    EXPECT_FALSE(error) << (error ? error->description() : "");
    container->viewContext().setAutomaticallyMergesChangesFromParent(true);
    return container;
}

std::vector<std::shared_ptr<ManagedObject>> fetchFolders(ManagedObjectContext& context,
                                                         std::optional<Predicate> predicate = {},
                                                         std::size_t limit = 0) {
    FetchRequest request;
    request.entityName = "Folder";
    request.predicate = std::move(predicate);
    request.sortDescriptors = {{"rank", false}};
    request.fetchLimit = limit;
    std::vector<std::shared_ptr<ManagedObject>> results;
    const auto error = context.fetch(request, results);
    EXPECT_FALSE(error) << (error ? error->description() : "");
    return results;
}

std::vector<std::string> names(const std::vector<std::shared_ptr<ManagedObject>>& objects) {
    std::vector<std::string> out;
    for (const auto& object : objects) out.push_back(std::get<std::string>(object->value(name)));
    return out;
}

std::shared_ptr<ManagedObject> addFolder(ManagedObjectContext& context, const std::string& folderName, std::int64_t r) {
    auto folder = context.insertNewObject("Folder");
    folder->setValue(name, folderName);
    folder->setValue(rank, r);
    return folder;
}

std::shared_ptr<ManagedObject> addNote(ManagedObjectContext& context, const std::shared_ptr<ManagedObject>& folder,
                                       const std::string& text) {
    auto note = context.insertNewObject("Note");
    note->setValue("text", text);
    note->setDestination(noteFolder, folder);
    return note;
}

class ManagedObjectContextTest : public ::testing::Test {
protected:
    std::filesystem::path file() const { return std::filesystem::path(dir_.path().toStdString()) / "store.sqlite"; }
    QTemporaryDir dir_;
};

TEST(ManagedObjectModelTest, RejectsShapesTheStoreCannotKeep) {
    auto broken = [](auto change) {
        auto entities = folderEntities();
        change(entities);
        return [entities] { ManagedObjectModel("Broken", entities); };
    };
    EXPECT_NO_THROW(broken([](auto&) {})());
    EXPECT_THROW(broken([](auto& e) { e[2].relationships[0].inverseName = "pins"; })(), std::invalid_argument);
    EXPECT_THROW(broken([](auto& e) { e[2].relationships[0].isToMany = true; })(), std::invalid_argument);
    EXPECT_THROW(broken([](auto& e) { e[2].relationships[0].deleteRule = DeleteRule::cascade; })(), std::invalid_argument);
    EXPECT_THROW(broken([](auto& e) { e[1].attributes[0].name = "_pk"; })(), std::invalid_argument);
    EXPECT_THROW(broken([](auto& e) { e[1].fetchIndexes = {{"missing"}}; })(), std::invalid_argument);
    // Two entities pointing at each other through to-one relationships cannot be saved in order.
    EXPECT_THROW(broken([](auto& e) {
                     e[1].relationships.push_back({.name = "favourite", .destinationEntityName = "Note",
                                                   .inverseName = "favouriteOf"});
                     e[2].relationships.push_back({.name = "favouriteOf", .destinationEntityName = "Folder",
                                                   .inverseName = "favourite"});
                 })(),
                 std::invalid_argument);
}

TEST_F(ManagedObjectContextTest, SavedObjectsComeBackInANewContainer) {
    const QUuid uid = QUuid::createUuid();
    const Date when{std::chrono::microseconds(1'700'000'000'123'456)};
    {
        auto container = openContainer(file());
        auto& context = container->viewContext();
        auto folder = addFolder(context, "Rushes ÷ Ünïcode", 7);
        folder->setValue(created, when);
        folder->setValue(archived, true);
        auto note = addNote(context, folder, "first");
        note->setValue("uid", uid);
        addNote(context, folder, "second")->setValue("text", AttributeValue{}); // absent text
        auto pin = context.insertNewObject("Pin");
        pin->setDestination(0, folder);
        EXPECT_TRUE(context.hasChanges());
        ASSERT_FALSE(context.save());
        EXPECT_FALSE(context.hasChanges());
        EXPECT_FALSE(folder->objectID().isTemporaryID());
        EXPECT_EQ(note->destination(noteFolder), folder);
    }
    auto container = openContainer(file());
    auto folders = fetchFolders(container->viewContext());
    ASSERT_EQ(folders.size(), 1u);
    const auto& folder = folders.front();
    EXPECT_EQ(folder->value(name), AttributeValue(std::string("Rushes ÷ Ünïcode")));
    EXPECT_EQ(folder->value(rank), AttributeValue(std::int64_t{7}));
    EXPECT_EQ(folder->value(archived), AttributeValue(true));
    EXPECT_EQ(folder->value(created), AttributeValue(when));
    ASSERT_EQ(folder->memberCount(notes), 2u);
    ASSERT_EQ(folder->memberCount(pins), 1u);
    const auto members = folder->members(notes);
    EXPECT_EQ(members[0]->value("text"), AttributeValue(std::string("first")));
    EXPECT_EQ(members[0]->value("uid"), AttributeValue(uid));
    EXPECT_EQ(members[1]->value("text"), AttributeValue());
    EXPECT_EQ(members[1]->destination(noteFolder), folder);
}

TEST_F(ManagedObjectContextTest, FetchesSeeUnsavedChanges) {
    auto container = openContainer(file());
    auto& context = container->viewContext();
    auto top = addFolder(context, "top", 30);
    auto middle = addFolder(context, "middle", 20);
    addFolder(context, "bottom", 10);
    ASSERT_FALSE(context.save());

    const auto open = Predicate::where("archived", Comparison::equal, false);
    // Unsaved: a new folder that sorts first, an archived one that no longer matches, a deletion.
    auto fresh = addFolder(context, "fresh", 40);
    top->setValue(archived, true);
    context.deleteObject(middle);
    EXPECT_EQ(names(fetchFolders(context, open)), (std::vector<std::string>{"fresh", "bottom"}));
    // The limit applies after the in-memory changes, not to the store's answer alone.
    fresh->setValue(archived, true);
    EXPECT_EQ(names(fetchFolders(context, open, 1)), (std::vector<std::string>{"bottom"}));
    // Sorting uses in-memory values.
    top->setValue(archived, false);
    top->setValue(rank, std::int64_t{5});
    EXPECT_EQ(names(fetchFolders(context, open)), (std::vector<std::string>{"bottom", "top"}));
    EXPECT_EQ(names(fetchFolders(context, Predicate::where("rank", Comparison::greaterOrEqual, std::int64_t{10}))),
              (std::vector<std::string>{"fresh", "bottom"}));
    // The same object is handed out each time while it is loaded.
    EXPECT_EQ(fetchFolders(context, Predicate::where("name", Comparison::equal, std::string("top"))).front(), top);

    std::vector<std::shared_ptr<ManagedObject>> results;
    FetchRequest unknown;
    unknown.entityName = "Folder";
    unknown.predicate = Predicate::where("colour", Comparison::equal, std::string("red"));
    EXPECT_EQ(context.fetch(unknown, results)->code, StoreError::badRequest);
}

// Identity fetches must list exactly what full fetches give, through every mix of saved and
// unsaved changes, without loading objects.
TEST_F(ManagedObjectContextTest, IdentityFetchesMatchFullFetchesWithoutLoadingObjects) {
    auto container = openContainer(file());
    auto& context = container->viewContext();
    std::mt19937 random(7);
    std::set<std::int64_t> usedRanks; // distinct, so both fetches agree on ties trivially
    auto freshRank = [&] {
        std::int64_t r;
        do r = static_cast<std::int64_t>(random() % 100000); while (!usedRanks.insert(r).second);
        return r;
    };
    std::vector<std::shared_ptr<ManagedObject>> held;
    auto compare = [&](int step) {
        for (const bool onlyOpen : {false, true})
            for (const std::size_t limit : {std::size_t{0}, std::size_t{3}}) {
                FetchRequest request;
                request.entityName = "Folder";
                if (onlyOpen) request.predicate = Predicate::where("archived", Comparison::equal, false);
                request.sortDescriptors = {{"rank", step % 2 == 0}};
                request.fetchLimit = limit;
                std::vector<ObjectID> ids;
                ASSERT_FALSE(context.fetchObjectIDs(request, ids));
                std::vector<std::shared_ptr<ManagedObject>> objects;
                ASSERT_FALSE(context.fetch(request, objects));
                std::vector<ObjectID> expected;
                for (const auto& object : objects) expected.push_back(object->objectID());
                ASSERT_EQ(ids, expected) << "step " << step << " open " << onlyOpen << " limit " << limit;
            }
    };
    for (int step = 0; step < 400; ++step) {
        switch (random() % 6) {
        case 0:
        case 1: held.push_back(addFolder(context, std::to_string(step), freshRank())); break;
        case 2:
            if (!held.empty()) held[random() % held.size()]->setValue(rank, freshRank());
            break;
        case 3:
            if (!held.empty()) {
                auto& folder = held[random() % held.size()];
                folder->setValue(archived, !std::get<bool>(folder->value(archived)));
            }
            break;
        case 4:
            if (!held.empty()) {
                const auto at = held.begin() + static_cast<std::ptrdiff_t>(random() % held.size());
                context.deleteObject(*at);
                held.erase(at);
            }
            break;
        case 5:
            ASSERT_FALSE(context.save());
            if (held.size() > 20) held.erase(held.begin(), held.begin() + 10); // let some go
            break;
        }
        if (step % 7 == 0) compare(step);
    }
    ASSERT_FALSE(context.save());
    held.clear();

    auto reopened = openContainer(file());
    FetchRequest all;
    all.entityName = "Folder";
    all.sortDescriptors = {{"rank", true}};
    std::vector<ObjectID> ids;
    ASSERT_FALSE(reopened->viewContext().fetchObjectIDs(all, ids));
    EXPECT_GT(ids.size(), 50u);
    EXPECT_TRUE(reopened->viewContext().registeredObjects().empty());
    EXPECT_NE(reopened->viewContext().existingObject(ids.back()), nullptr);

    all.sortDescriptors = {{"colour", true}};
    EXPECT_EQ(reopened->viewContext().fetchObjectIDs(all, ids)->code, StoreError::badRequest);
    EXPECT_TRUE(ids.empty());
}

TEST_F(ManagedObjectContextTest, DeletionsLeaveSetsWhenProcessedAndFollowTheRules) {
    auto container = openContainer(file());
    auto& context = container->viewContext();
    auto folder = addFolder(context, "f", 1);
    auto first = addNote(context, folder, "a");
    auto second = addNote(context, folder, "b");
    auto pin = context.insertNewObject("Pin");
    pin->setDestination(0, folder);
    ASSERT_FALSE(context.save());

    std::vector<ObjectChanges> announced;
    QObject::connect(&context, &ManagedObjectContext::objectsDidChange,
                     [&](const ObjectChanges& changes) { announced.push_back(changes); });
    context.deleteObject(first);
    EXPECT_EQ(folder->memberCount(notes), 2u); // not before processing
    context.processPendingChanges();
    EXPECT_EQ(folder->memberCount(notes), 1u);
    ASSERT_EQ(announced.size(), 1u);
    EXPECT_EQ(announced[0].deleted, std::vector<ObjectID>{first->objectID()});
    EXPECT_EQ(announced[0].updated, std::vector<ObjectID>{folder->objectID()});

    // Deleting the folder deletes its remaining note and unpins its pin.
    context.deleteObject(folder);
    context.processPendingChanges();
    EXPECT_TRUE(second->isDeleted());
    EXPECT_FALSE(pin->isDeleted());
    EXPECT_EQ(pin->destination(0), nullptr);
    ASSERT_FALSE(context.save());
    EXPECT_EQ(folder->managedObjectContext(), nullptr);

    auto reopened = openContainer(file());
    EXPECT_TRUE(fetchFolders(reopened->viewContext()).empty());
    FetchRequest request;
    request.entityName = "Note";
    std::vector<std::shared_ptr<ManagedObject>> rest;
    ASSERT_FALSE(reopened->viewContext().fetch(request, rest));
    EXPECT_TRUE(rest.empty());
    request.entityName = "Pin";
    ASSERT_FALSE(reopened->viewContext().fetch(request, rest));
    ASSERT_EQ(rest.size(), 1u);
    EXPECT_EQ(rest[0]->destination(0), nullptr);
}

TEST_F(ManagedObjectContextTest, DeletingAnUnsavedObjectLeavesNothingToSave) {
    auto container = openContainer(file());
    auto& context = container->viewContext();
    auto folder = addFolder(context, "draft", 1);
    addNote(context, folder, "draft note");
    context.deleteObject(folder);
    ASSERT_FALSE(context.save());
    EXPECT_FALSE(context.hasChanges());
    EXPECT_TRUE(context.registeredObjects().empty());
    EXPECT_TRUE(fetchFolders(openContainer(file())->viewContext()).empty());
}

TEST_F(ManagedObjectContextTest, UnheldObjectsAreDroppedAndReadAgain) {
    auto container = openContainer(file());
    auto& context = container->viewContext();
    {
        auto folder = addFolder(context, "kept on disk", 1);
        for (int i = 0; i < 3; ++i) addNote(context, folder, std::to_string(i));
        ASSERT_FALSE(context.save());
    }
    EXPECT_TRUE(context.registeredObjects().empty());
    const auto folders = fetchFolders(context);
    ASSERT_EQ(folders.size(), 1u);
    EXPECT_EQ(folders[0]->memberCount(notes), 3u);
    EXPECT_EQ(context.registeredObjects().size(), 4u);
}

TEST_F(ManagedObjectContextTest, BatchDeleteCascadesInTheStoreAndDropsLoadedObjects) {
    auto container = openContainer(file());
    auto& context = container->viewContext();
    auto gone = addFolder(context, "gone", 1);
    auto goneNote = addNote(context, gone, "n");
    auto stays = addFolder(context, "stays", 2);
    stays->setValue(archived, true);
    addNote(context, stays, "kept");
    ASSERT_FALSE(context.save());
    auto unsavedNote = addNote(context, gone, "unsaved"); // cascades with its folder

    std::vector<ObjectChanges> announced;
    QObject::connect(&context, &ManagedObjectContext::objectsDidChange,
                     [&](const ObjectChanges& changes) { announced.push_back(changes); });
    BatchDeleteRequest request;
    request.entityName = "Folder";
    request.predicate = Predicate::where("archived", Comparison::equal, false);
    ASSERT_FALSE(context.executeAndMergeChanges(request));

    EXPECT_TRUE(gone->isDeleted());
    EXPECT_EQ(gone->managedObjectContext(), nullptr);
    EXPECT_TRUE(goneNote->isDeleted());
    EXPECT_FALSE(unsavedNote->isInserted());
    EXPECT_FALSE(context.hasChanges());
    ASSERT_FALSE(announced.empty());
    EXPECT_EQ(announced.back().deleted.size(), 2u); // the folder and its saved note
    EXPECT_EQ(names(fetchFolders(context)), (std::vector<std::string>{"stays"}));

    auto reopened = openContainer(file());
    FetchRequest notesRequest;
    notesRequest.entityName = "Note";
    std::vector<std::shared_ptr<ManagedObject>> rest;
    ASSERT_FALSE(reopened->viewContext().fetch(notesRequest, rest));
    ASSERT_EQ(rest.size(), 1u);
    EXPECT_EQ(rest[0]->value("text"), AttributeValue(std::string("kept")));

    BatchDeleteResult result;
    BatchDeleteRequest counting{"Folder", std::nullopt, BatchDeleteRequest::ResultType::count};
    ASSERT_FALSE(context.execute(counting, result));
    EXPECT_EQ(result.count, 2u); // "stays" and its note
    EXPECT_TRUE(result.objectIDs.empty());
}

TEST_F(ManagedObjectContextTest, SavesWriteOnlyChangedAttributes) {
    auto first = openContainer(file());
    auto folder = addFolder(first->viewContext(), "shared", 1);
    ASSERT_FALSE(first->viewContext().save());
    auto second = openContainer(file());
    auto other = fetchFolders(second->viewContext()).front();

    other->setValue(name, std::string("renamed elsewhere"));
    ASSERT_FALSE(second->viewContext().save());
    folder->setValue(rank, std::int64_t{99}); // the first container has not merged the rename
    ASSERT_FALSE(first->viewContext().save());

    auto check = openContainer(file());
    auto stored = fetchFolders(check->viewContext()).front();
    EXPECT_EQ(stored->value(name), AttributeValue(std::string("renamed elsewhere")));
    EXPECT_EQ(stored->value(rank), AttributeValue(std::int64_t{99}));
}

TEST_F(ManagedObjectContextTest, RemoteChangesMergeWithInMemoryValuesWinning) {
    auto local = openContainer(file());
    auto& context = local->viewContext();
    auto folder = addFolder(context, "original", 1);
    auto doomed = addFolder(context, "doomed", 2);
    addNote(context, folder, "mine");
    ASSERT_FALSE(context.save());
    EXPECT_EQ(folder->memberCount(notes), 1u);
    EXPECT_FALSE(local->checkForRemoteChanges()); // own saves are not remote

    auto remote = openContainer(file());
    auto& other = remote->viewContext();
    auto remoteFolders = fetchFolders(other);
    ASSERT_EQ(remoteFolders.size(), 2u);
    auto remoteFolder = remoteFolders[1];
    remoteFolder->setValue(name, std::string("renamed"));
    remoteFolder->setValue(rank, std::int64_t{50});
    addNote(other, remoteFolder, "theirs");
    other.deleteObject(remoteFolders[0]);
    ASSERT_FALSE(other.save());

    folder->setValue(rank, std::int64_t{7}); // unsaved here: must survive the merge
    std::vector<ObjectChanges> announced;
    QObject::connect(&context, &ManagedObjectContext::objectsDidChange,
                     [&](const ObjectChanges& changes) { announced.push_back(changes); });
    ASSERT_TRUE(local->checkForRemoteChanges());
    EXPECT_FALSE(local->checkForRemoteChanges());

    EXPECT_EQ(folder->value(name), AttributeValue(std::string("renamed")));
    EXPECT_EQ(folder->value(rank), AttributeValue(std::int64_t{7}));
    EXPECT_EQ(folder->memberCount(notes), 2u);
    EXPECT_TRUE(doomed->isDeleted());
    EXPECT_EQ(doomed->managedObjectContext(), nullptr);
    ASSERT_FALSE(announced.empty());
    EXPECT_EQ(announced.back().deleted, std::vector<ObjectID>{doomed->objectID()});
    EXPECT_EQ(names(fetchFolders(context)), (std::vector<std::string>{"renamed"}));

    ASSERT_FALSE(context.save());
    auto check = fetchFolders(openContainer(file())->viewContext()).front();
    EXPECT_EQ(check->value(name), AttributeValue(std::string("renamed")));
    EXPECT_EQ(check->value(rank), AttributeValue(std::int64_t{7}));
}

TEST_F(ManagedObjectContextTest, AFullRefreshFindsWhatChangedWithoutAList) {
    auto local = openContainer(file());
    auto& context = local->viewContext();
    auto kept = addFolder(context, "kept", 1);
    auto removed = addFolder(context, "removed", 2);
    ASSERT_FALSE(context.save());
    auto remote = openContainer(file());
    auto theirs = fetchFolders(remote->viewContext());
    theirs[1]->setValue(name, std::string("kept, renamed"));
    remote->viewContext().deleteObject(theirs[0]);
    ASSERT_FALSE(remote->viewContext().save());

    ObjectChanges unknown;
    unknown.invalidatedAll = true;
    context.mergeChanges(unknown);
    EXPECT_EQ(kept->value(name), AttributeValue(std::string("kept, renamed")));
    EXPECT_TRUE(removed->isDeleted());
}

TEST_F(ManagedObjectContextTest, UnsavedObjectsFollowTheRuleOfARemotelyDeletedOwner) {
    auto local = openContainer(file());
    auto& context = local->viewContext();
    auto folder = addFolder(context, "f", 1);
    ASSERT_FALSE(context.save());
    auto note = addNote(context, folder, "unsaved");
    auto pin = context.insertNewObject("Pin");
    pin->setDestination(0, folder);

    auto remote = openContainer(file());
    remote->viewContext().deleteObject(fetchFolders(remote->viewContext()).front());
    ASSERT_FALSE(remote->viewContext().save());
    ASSERT_TRUE(local->checkForRemoteChanges());

    EXPECT_TRUE(note->isDeleted()); // cascade
    EXPECT_FALSE(pin->isDeleted()); // nullify
    EXPECT_EQ(pin->destination(0), nullptr);
    ASSERT_FALSE(context.save());
    FetchRequest request;
    request.entityName = "Note";
    std::vector<std::shared_ptr<ManagedObject>> orphans;
    ASSERT_FALSE(openContainer(file())->viewContext().fetch(request, orphans));
    EXPECT_TRUE(orphans.empty());
}

TEST_F(ManagedObjectContextTest, ANewerModelAddsColumnsToAnOldFile) {
    {
        auto old = openContainer(file());
        addFolder(old->viewContext(), "from before", 1);
        ASSERT_FALSE(old->viewContext().save());
    }
    auto newer = openContainer(file(), folderModel(/*withColour=*/true));
    auto folder = fetchFolders(newer->viewContext()).front();
    EXPECT_EQ(folder->value("colour"), AttributeValue());
    folder->setValue("colour", std::string("red"));
    ASSERT_FALSE(newer->viewContext().save());
}

TEST_F(ManagedObjectContextTest, AFileThatIsNotAStoreFailsToLoad) {
    std::ofstream(file()) << "this is a text file, not a database, and it is long enough to have a header";
    PersistentContainer container("Folders", folderModel());
    container.persistentStoreDescriptions().front().url = file();
    std::optional<StoreError> error;
    container.loadPersistentStores([&](const auto&, const auto& outcome) { error = outcome; });
    ASSERT_TRUE(error);
    EXPECT_FALSE(container.isLoaded());
    EXPECT_EQ(error->code, 26); // SQLITE_NOTADB
    EXPECT_EQ(error->description(), "Error Domain=SQLite Code=26 \"file is not a database\"");
    EXPECT_EQ(error->userInfoDescription(), "{path = \"" + file().string() + "\";}");
    std::vector<std::shared_ptr<ManagedObject>> results;
    EXPECT_EQ(container.viewContext().fetch(FetchRequest{"Folder", {}, {}, 0, {}}, results)->code, StoreError::noStore);
}

TEST_F(ManagedObjectContextTest, ProgrammingErrorsAreRefused) {
    auto container = openContainer(file());
    auto& context = container->viewContext();
    auto folder = addFolder(context, "f", 1);
    EXPECT_THROW(context.insertNewObject("Nothing"), std::out_of_range);
    EXPECT_THROW(folder->setValue(rank, std::string("not a number")), std::logic_error);
    EXPECT_THROW(folder->value("nothing"), std::out_of_range);
    auto pin = context.insertNewObject("Pin");
    EXPECT_THROW(pin->setDestination(0, pin), std::logic_error); // wrong entity
}

} // namespace
