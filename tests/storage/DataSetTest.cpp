#include "StorageFixture.h"

#include "common/Errors.h"
#include "storage/Query.h"
#include "storage/Table.h"

#include <QDir>

#include <cmath>

namespace {
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

QStringList Walk(TDataSet& ds, const QString& field) {
    QStringList values;
    for (ds.First(); !ds.Eof(); ds.Next())
        values << ds.AsString(field);
    return values;
}
} // namespace

class DataSetTest : public StorageFixture {
protected:
    void SetUp() override {
        StorageFixture::SetUp();
        db.Open(folder);
        AddEvents(db, {{1, "delta", 5, kNone}, {2, "Alpha", 1, 3}, {3, "charlie", 1, 2},
                       {4, "bravo", kNone, kNone}});
    }
    TDatabase db;
};

TEST_F(DataSetTest, OpensFolderAttachingEveryTableFile) {
    EXPECT_EQ(db.Tables(), (QStringList{"Category", "Event"}));
    TTable events(db, "t", "Event");
    events.Open();
    EXPECT_EQ(events.RecordCount(), 4);
    EXPECT_EQ(events.Fields().size(), EventTableDef().Columns.size());
    EXPECT_EQ(events.Fields()[7].Name, "End");
    EXPECT_EQ(events.Fields()[1].Size, 256);
}

TEST_F(DataSetTest, IndexOrderSortsNullsFirstAndNamesIgnoringCase) {
    TTable events(db, "t", "Event");
    events.Open(); // opened on XStartEndName
    EXPECT_EQ(Walk(events, "Name"), (QStringList{"bravo", "charlie", "Alpha", "delta"}));
    events.SetIndexName("XNameStartEnd");
    EXPECT_EQ(Walk(events, "Name"), (QStringList{"Alpha", "bravo", "charlie", "delta"}));
    events.SetIndexName("");
    EXPECT_EQ(Walk(events, "ID"), (QStringList{"1", "2", "3", "4"}));
}

TEST_F(DataSetTest, NavigationEndsAndRecordNumbers) {
    TTable events(db, "t", "Event");
    events.Open();
    EXPECT_FALSE(events.Eof());
    EXPECT_TRUE(events.Bof());
    events.Last();
    EXPECT_EQ(events.RecNo(), 4);
    events.Next();
    EXPECT_TRUE(events.Eof());
    EXPECT_EQ(events.AsString("Name"), "delta"); // stays on the last row
    events.Prior();
    events.Prior();
    EXPECT_EQ(events.AsString("Name"), "charlie");
    events.SetRecNo(1);
    EXPECT_EQ(events.AsString("Name"), "bravo");
    events.Prior();
    EXPECT_TRUE(events.Bof());
    EXPECT_EQ(events.RecNo(), 1);
}

TEST_F(DataSetTest, LocateByValueWithAndWithoutCase) {
    TTable events(db, "t", "Event");
    events.Open();
    EXPECT_TRUE(events.Locate("ID", 3));
    EXPECT_EQ(events.AsString("Name"), "charlie");
    EXPECT_EQ(events.RecNo(), 2);
    events.Next();
    EXPECT_EQ(events.AsString("Name"), "Alpha");
    EXPECT_FALSE(events.Locate("Name", "ALPHA"));
    EXPECT_EQ(events.AsString("Name"), "Alpha") << "a failed locate keeps the row";
    EXPECT_TRUE(events.Locate("Name", "ALPHA", TLocateOption::CaseInsensitive));
    EXPECT_TRUE(events.Locate("Name", "CH", TLocateOption::CaseInsensitive | TLocateOption::PartialKey));
    EXPECT_EQ(events.AsInteger("ID"), 3);
    EXPECT_TRUE(events.Locate("ID", QStringLiteral("4")));
    EXPECT_TRUE(events.IsNull("Start"));
    EXPECT_TRUE(events.Locate("End", QVariant()));
}

TEST_F(DataSetTest, EditPostCancelAndReorderAfterPost) {
    TTable events(db, "t", "Event");
    events.Open();
    ASSERT_TRUE(events.Locate("ID", 4));
    events.Edit();
    events.SetValue("Start", 10.0);
    EXPECT_EQ(events.AsFloat("Start"), 10.0);
    events.Post();
    EXPECT_EQ(events.AsInteger("ID"), 4) << "the posted row stays current";
    EXPECT_EQ(events.RecNo(), 4) << "and moved to its place in the index order";
    EXPECT_EQ(Walk(events, "ID"), (QStringList{"3", "2", "1", "4"}));

    events.First();
    events.Edit();
    events.SetValue("Name", "changed");
    events.Cancel();
    EXPECT_EQ(events.AsString("Name"), "charlie");

    events.Edit();
    events.SetValue("Name", "auto-posted");
    events.Next(); // moving posts the pending change
    events.First();
    EXPECT_EQ(events.AsString("Name"), "auto-posted");
}

TEST_F(DataSetTest, InsertAndDelete) {
    TTable events(db, "t", "Event");
    events.Open();
    events.Insert();
    EXPECT_EQ(events.State(), dsInsert);
    events.SetValue("ID", 9);
    events.SetValue("Name", "new");
    events.SetValue("Start", 0.5);
    events.Post();
    EXPECT_EQ(events.RecordCount(), 5);
    EXPECT_EQ(events.AsInteger("ID"), 9);
    EXPECT_EQ(events.RecNo(), 2);
    events.Delete();
    EXPECT_EQ(events.RecordCount(), 4);
    EXPECT_EQ(events.AsString("Name"), "charlie") << "the next row becomes current";
    events.Last();
    events.Delete();
    EXPECT_EQ(events.AsString("Name"), "Alpha") << "deleting the last row moves back";

    events.Insert();
    events.SetValue("Name", "dropped");
    events.Cancel();
    EXPECT_EQ(events.AsString("Name"), "Alpha");
    EXPECT_EQ(events.RecordCount(), 3);
}

TEST_F(DataSetTest, EmptyTableEditInsertsAndReadsNull) {
    TTable groups(db, "g", "Category");
    groups.Open();
    EXPECT_TRUE(groups.IsEmpty());
    EXPECT_TRUE(groups.Eof());
    EXPECT_FALSE(groups.Value("Name").isValid());
    EXPECT_THROW(groups.Delete(), EDatabaseError);
    groups.Edit();
    EXPECT_EQ(groups.State(), dsInsert);
    groups.SetValue("Name", "War");
    groups.Post();
    EXPECT_EQ(groups.AsInteger("ID"), 1) << "the engine assigns an auto-increment key";
}

TEST_F(DataSetTest, FieldLimitsAndTypesAreCheckedOnPost) {
    TTable events(db, "t", "Event");
    events.Open();
    events.Edit();
    events.SetValue("Name", QString(257, QLatin1Char('x')));
    try {
        events.Post();
        FAIL() << "a 257-character name was stored";
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.Message().contains("Name")) << e.Message().toStdString();
    }
    EXPECT_EQ(events.State(), dsEdit);
    events.SetValue("Name", QString(256, QChar(0x00e9)));
    events.Post();
    EXPECT_EQ(events.AsString("Name").size(), 256);
    events.Edit();
    EXPECT_THROW(events.SetValue("ID", "twelve"), EDatabaseError);
    EXPECT_THROW(events.SetValue("Start", "x1"), EDatabaseError);
    events.SetValue("TextStyle", true);
    events.Post();
    EXPECT_TRUE(events.AsBoolean("TextStyle"));
    EXPECT_EQ(events.Value("TextStyle").typeId(), QMetaType::Bool);
}

TEST_F(DataSetTest, ReadOnlyRefusesEveryWrite) {
    TTable events(db, "t", "Event");
    events.SetReadOnly(true);
    events.Open();
    EXPECT_THROW(events.Edit(), EReadOnlyError);
    EXPECT_THROW(events.Insert(), EReadOnlyError);
    EXPECT_THROW(events.Delete(), EReadOnlyError);
    EXPECT_EQ(events.State(), dsBrowse);
}

TEST_F(DataSetTest, HooksRunInOrderAndABeforeHookStopsTheOperation) {
    TTable events(db, "t", "Event");
    QStringList log;
    auto rec = [&](const char* what) { return [&log, what](TDataSet&) { log << what; }; };
    events.Hooks.AfterOpen = rec("open");
    events.Hooks.AfterScroll = rec("scroll");
    events.Hooks.BeforeEdit = rec("before-edit");
    events.Hooks.AfterEdit = rec("edit");
    events.Hooks.AfterPost = rec("post");
    events.Hooks.AfterDelete = rec("delete");
    events.Hooks.AfterInsert = rec("insert");
    events.Open();
    events.Next();
    events.Edit();
    events.SetValue("Notes", "n");
    events.Post();
    events.Delete();
    events.Insert();
    EXPECT_EQ(log, (QStringList{"open", "scroll", "scroll", "before-edit", "edit", "post", "delete",
                                "scroll", "insert"}));
    events.Cancel();

    events.Hooks.BeforePost = [](TDataSet&) { throw EAbort(); };
    events.Edit();
    events.SetValue("Notes", "kept");
    EXPECT_THROW(events.Post(), EAbort);
    EXPECT_EQ(events.State(), dsEdit) << "the row stays in editing with the user's change";
    EXPECT_EQ(events.AsString("Notes"), "kept");
}

TEST_F(DataSetTest, CalculatedAndLookupFields) {
    db.Execute("INSERT INTO Category (ID, Name) VALUES (7, 'Wars')");
    db.Execute("UPDATE Event SET CategoryID = 7 WHERE ID = 2");
    TTable events(db, "t", "Event");
    events.AddCalculatedField("Twice", TFieldType::Float, 0, [](TDataSet& ds) {
        return ds.IsNull("Start") ? QVariant() : QVariant(ds.AsFloat("Start") * 2);
    });
    events.AddLookupField("Group", TFieldType::String, 255, "CategoryID", "Category", "ID", "Name");
    events.Open();
    ASSERT_TRUE(events.Locate("ID", 2));
    EXPECT_EQ(events.AsString("Group"), "Wars");
    EXPECT_EQ(events.AsFloat("Twice"), 2.0);
    events.Edit();
    events.SetValue("Start", 4.0);
    EXPECT_EQ(events.AsFloat("Twice"), 8.0) << "computed from the row being edited";
    EXPECT_THROW(events.SetValue("Twice", 1), EDatabaseError);
    events.Cancel();
    ASSERT_TRUE(events.Locate("ID", 1));
    EXPECT_TRUE(events.IsNull("Group"));
    EXPECT_TRUE(events.Locate("Group", "wars", TLocateOption::CaseInsensitive));
    EXPECT_EQ(events.AsInteger("ID"), 2);
}

TEST_F(DataSetTest, JoinedQueryNamesDuplicateColumnsByTable) {
    db.Execute("INSERT INTO Category (ID, Name, Colour) VALUES (7, 'Wars', 'clRed')");
    db.Execute("UPDATE Event SET CategoryID = 7 WHERE ID IN (1, 2)");
    TQuery q(db, "q", "select * from Event A\r\nleft join Category B on A.CategoryID = B.ID\r\norder by A.ID");
    q.Open();
    const QStringList names = q.FieldNames();
    EXPECT_EQ(names.count("ID"), 1);
    EXPECT_TRUE(names.contains("Category.ID"));
    EXPECT_TRUE(names.contains("Category.Name"));
    EXPECT_TRUE(names.contains("Colour"));
    EXPECT_EQ(q.RecordCount(), 4);
    EXPECT_EQ(q.AsString("Category.Name"), "Wars");
    EXPECT_EQ(q.AsString("Name"), "delta");
    q.Last();
    EXPECT_TRUE(q.IsNull("Category.ID"));
    EXPECT_THROW(q.Edit(), EReadOnlyError);
}

TEST_F(DataSetTest, QueryParametersCountsAndStatements) {
    TQuery q(db, "q", "select Name from Event where Start >= :low order by Start, Name");
    q.SetParam("low", 1.0);
    q.Open();
    EXPECT_EQ(q.RecordCount(), 3) << "counted before the rows are read";
    EXPECT_EQ(Walk(q, "Name"), (QStringList{"Alpha", "charlie", "delta"}));
    TQuery update(db, "u", "update Event set X = 5 where Start < 4");
    EXPECT_EQ(update.ExecSQL(), 2);
    TQuery none(db, "n", "delete from Event where ID = 99");
    EXPECT_EQ(none.ExecSQL(), 0);
    TQuery max(db, "m", "Select Max(ID) from Event");
    max.Open();
    EXPECT_EQ(max.Value(0).toInt(), 4);
}

TEST_F(DataSetTest, PicturesAreReadWhenAskedFor) {
    const QByteArray picture(300000, 'p');
    db.Execute("UPDATE Event SET Backdrop = ?1 WHERE ID = 2", {picture});
    db.Execute("INSERT INTO Category (ID, Name, Icon) VALUES (1, 'G', ?1)", {QByteArray("icon")});
    db.Execute("UPDATE Event SET CategoryID = 1 WHERE ID = 2");
    TTable events(db, "t", "Event");
    events.Open();
    ASSERT_TRUE(events.Locate("ID", 2));
    EXPECT_EQ(events.AsBytes("Backdrop"), picture);
    EXPECT_TRUE(events.IsNull("Map"));
    TQuery q(db, "q", "select * from Event A left join Category B on A.CategoryID = B.ID where A.ID = 2");
    q.Open();
    EXPECT_TRUE(q.Fields()[size_t(q.FieldIndex("Backdrop"))].Deferred);
    EXPECT_EQ(q.AsBytes("Backdrop"), picture);
    EXPECT_EQ(q.AsBytes("Icon"), QByteArray("icon"));
}

TEST_F(DataSetTest, WritesThroughOneCursorAreSeenByTheOthers) {
    TTable walker(db, "w", "Event");
    TTable writer(db, "x", "Event");
    TQuery snapshot(db, "q", "select ID, Name from Event order by ID");
    walker.Open();
    writer.Open();
    snapshot.Open();
    walker.Next(); // on charlie (ID 3)
    ASSERT_TRUE(writer.Locate("ID", 4));
    writer.Edit();
    writer.SetValue("Start", 99.0);
    writer.Post();
    EXPECT_EQ(walker.AsString("Name"), "charlie") << "the walker keeps its row";
    EXPECT_EQ(walker.RecNo(), 1) << "and finds it again in the new order";
    QStringList rest;
    for (; !walker.Eof(); walker.Next())
        rest << walker.AsString("Name");
    EXPECT_EQ(rest, (QStringList{"charlie", "Alpha", "delta", "bravo"}));
    writer.Delete();
    EXPECT_EQ(Walk(snapshot, "ID"), (QStringList{"1", "2", "3", "4"})) << "a query is a snapshot";
    EXPECT_EQ(walker.RecordCount(), 3);
}

TEST_F(DataSetTest, TransactionRollsBackUnlessCommitted) {
    {
        TTransaction t(db);
        db.Execute("DELETE FROM Event");
    }
    TTable events(db, "t", "Event");
    events.Open();
    EXPECT_EQ(events.RecordCount(), 4);
    {
        TTransaction t(db);
        db.Execute("DELETE FROM Event WHERE ID = 1");
        t.Commit();
    }
    events.Refresh();
    EXPECT_EQ(events.RecordCount(), 3);
}

TEST_F(DataSetTest, CloseLeavesNoSideFilesAndBadFilesAreRefused) {
    TTable events(db, "t", "Event");
    events.Open();
    events.Edit();
    events.SetValue("Name", "x");
    events.Post();
    db.Close();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), (QStringList{"Category.ff2", "Event.ff2"}));

    vztest::WriteAll(folder + "/Event.ff2", QByteArray(4096, 'z'));
    try {
        db.Open(folder);
        FAIL() << "a corrupt table file opened";
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.Message().contains("Event.ff2")) << e.Message().toStdString();
    }
    EXPECT_FALSE(db.IsOpen());
}

TEST_F(DataSetTest, TableMissingAFieldIsRefusedOnOpen) {
    db.Close();
    QFile::remove(folder + "/Category.ff2");
    TTableDef broken = CategoryTableDef();
    broken.Columns.pop_back();
    TDatabase::CreateTableFile(folder + "/Category.ff2", broken);
    db.Open(folder);
    TTable groups(db, "g", "Category");
    try {
        groups.Open();
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), "Table \"Category\" has no field \"Format\".");
    }
}

TEST_F(DataSetTest, AWalkThatStartsReadingAnotherFieldMidWayReadsTheRightRows) {
    for (int i = 10; i < 60; ++i)
        db.Execute("INSERT INTO Event (ID, Name, Start, Notes) VALUES (?1, ?2, ?3, ?4)",
                   {i, QString("n%1").arg(i), double(100 - i), QString("notes of %1").arg(i)});
    TTable events(db, "t", "Event");
    events.Open();
    for (int pass = 0; pass < 2; ++pass) {
        int row = 0;
        for (events.First(); !events.Eof(); events.Next(), ++row) {
            const int id = events.AsInteger("ID");
            if (row >= 20 && id >= 10) {
                EXPECT_EQ(events.AsString("Notes"), QString("notes of %1").arg(id)) << row;
            }
            if (row == 30) {
                EXPECT_EQ(events.AsString("Name"), QString("n%1").arg(id));
            }
        }
        EXPECT_EQ(row, 54);
    }
}

TEST_F(DataSetTest, UpperAndLowerFollowUnicodeForEveryText) {
    for (const QString& text : {QString("Battle of the Somme, 1916 [x_y]~"), QString(""), QString("Zürich straße"),
                                QString("ÉCOLE île"), QString("mixed ascii and ñ")}) {
        TSqlStatement st = db.Prepare("SELECT upper(?1), lower(?1)");
        st.Bind(1, text);
        ASSERT_TRUE(st.Step());
        EXPECT_EQ(st.ColumnText(0), text.toUpper()) << text.toStdString();
        EXPECT_EQ(st.ColumnText(1), text.toLower()) << text.toStdString();
    }
    // Row after row in one statement: a short text after a long one keeps nothing of it.
    TSqlStatement rows = db.Prepare("SELECT upper(column1) FROM (VALUES ('a long name'), ('ab'), ('é'), ('cd'))");
    QStringList upper;
    while (rows.Step())
        upper << rows.ColumnText(0);
    EXPECT_EQ(upper, QStringList({"A LONG NAME", "AB", "É", "CD"}));
    TSqlStatement null = db.Prepare("SELECT upper(NULL) IS NULL");
    ASSERT_TRUE(null.Step());
    EXPECT_EQ(null.ColumnInt64(0), 1);
}

TEST_F(DataSetTest, AQueryRunsItsEquivalentTextAndTakesACount) {
    TQuery q(db, "q");
    q.SetSQL("select * from Event A order by A.ID", "select * from Event A where A.ID > 0 order by A.ID");
    EXPECT_EQ(q.SQL(), "select * from Event A order by A.ID");
    q.Open();
    EXPECT_EQ(Walk(q, "Name"), (QStringList{"delta", "Alpha", "charlie", "bravo"}));
    q.Close();
    q.SetSQL("select * from Event A where A.ID < 0", "select * from Event A where A.ID < 3");
    q.Open();
    EXPECT_EQ(Walk(q, "Name"), (QStringList{"delta", "Alpha"})) << "the run text is what runs";
    q.Close();
    q.Open();
    q.SetCountedRows(2);
    EXPECT_EQ(q.RecordCount(), 2);
    q.SetSQL("select * from Event A");
    EXPECT_EQ(q.RunSQL(), "select * from Event A") << "a new text drops the old run text";
}

TEST_F(DataSetTest, LookupFieldsStillWorkAfterTheDatabaseWasClosedAndOpenedAgain) {
    db.Execute("INSERT INTO Category (ID, Name) VALUES (7, 'Wars')");
    db.Execute("UPDATE Event SET CategoryID = 7");
    TTable events(db, "t", "Event");
    events.AddLookupField("Group", TFieldType::String, 255, "CategoryID", "Category", "ID", "Name");
    for (int round = 0; round < 3; ++round) {
        events.Open();
        EXPECT_EQ(events.AsString("Group"), "Wars") << round;
        db.Close();
        db.Open(folder);
    }
}
