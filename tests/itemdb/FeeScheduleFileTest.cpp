#include <gtest/gtest.h>

#include <bit>
#include <filesystem>
#include <string>

#include "HandBuiltRecord.h"
#include "itemdb/FeeSchedule.h"
#include "platform/Archive.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

using namespace gb::itemdb;

namespace {

struct RecordFields {
    std::string_view name = "Available";
    std::int32_t type = 8;
    std::uint8_t active = 0;
    std::int32_t order = 0;
    std::int64_t baseUnits = 0;
    float factor = 0.0f;
    std::string_view codes = "";
    std::string_view symbol = "$";
};

void AppendRecord(HandBuiltRecord& r, const RecordFields& f) {
    r.Text(f.name).Text("Add your own").Int32(f.type).Byte(f.active).Int32(f.order);
    r.Amount(f.baseUnits).Int32(std::bit_cast<std::int32_t>(f.factor));
    r.Text(f.codes).Text(f.symbol);
}

// A schedule file of default records in which `change` may alter any record.
template <typename Change>
std::string FileBytes(Change change) {
    HandBuiltRecord r;
    for (int i = 0; i < CFeeSchedule::kEntryCount; ++i) {
        RecordFields fields;
        fields.order = i;
        change(i, fields);
        AppendRecord(r, fields);
    }
    return r.Bytes();
}

std::string DefaultFileBytes() {
    return FileBytes([](int, RecordFields&) {});
}

std::string Store(CFeeSchedule& schedule) {
    gb::Archive ar = gb::Archive::ForStoring("AucField.fee");
    schedule.Serialize(ar);
    return ar.Bytes();
}

TEST(FeeScheduleFile, FreshScheduleWritesThirtyTwoDefaultRecords) {
    CFeeSchedule schedule;
    EXPECT_EQ(Store(schedule), DefaultFileBytes());
}

TEST(FeeScheduleFile, EntryWritesEveryFieldInRecordOrder) {
    CFeeSchedule schedule;
    schedule.SetCurrent(2);
    schedule.SetName("Handling");
    schedule.SetType(fee_type::Charge);
    schedule.SetActive(true);
    schedule.SetOrder(0);
    schedule.SetBaseText("1.25");
    schedule.SetFactor(0.5f);
    schedule.AddField(37);
    schedule.SetCurrencySymbol("\x80");
    const std::string expected = FileBytes([](int i, RecordFields& f) {
        if (i == 2) {
            f = {"Handling", 1, 1, 0, 12500, 0.5f, "\"F", "\x80"};
        }
    });
    EXPECT_EQ(Store(schedule), expected);
}

TEST(FeeScheduleFile, ReadingMapsUnknownTypesToDisplayOnlyAndAnyActiveByteToActive) {
    const std::string bytes = FileBytes([](int i, RecordFields& f) {
        const std::int32_t types[] = {1, 2, 4, 8, 3, 0, -1, 16};
        if (i < 8) {
            f.type = types[i];
        }
        if (i == 10) {
            f.active = 7;
            f.order = 40;
        }
    });
    gb::Archive ar = gb::Archive::ForLoading(bytes, "AucField.fee");
    CFeeSchedule schedule;
    schedule.Serialize(ar);
    const std::int32_t expected[] = {1, 2, 4, 8, 8, 8, 8, 8};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(schedule.GetEntry(i).GetType(), expected[i]) << i;
    }
    EXPECT_TRUE(schedule.GetEntry(10).IsActive());
    EXPECT_EQ(schedule.GetEntry(10).GetOrder(), 40);
}

TEST(FeeScheduleFile, SavedScheduleLoadsBackEqual) {
    TempFolder folder;
    const auto path = folder.Write("AucField.fee", DefaultFileBytes());
    CFeeSchedule schedule;
    ASSERT_TRUE(schedule.Load(path));
    for (int i = 0; i < CFeeSchedule::kEntryCount; ++i) {
        schedule.SetCurrent(i);
        schedule.SetName("Entry " + std::to_string(i));
        schedule.SetActive(i % 2 == 0);
        schedule.SetType(i % 3 == 0 ? fee_type::SellerFee : fee_type::TransactionFee);
        schedule.SetFactor(0.01f * static_cast<float>(i));
        schedule.AddField(36 + i % 5);
        schedule.SetBaseText(i == 4 ? "" : "2.5");
    }
    ASSERT_TRUE(schedule.Save());

    CFeeSchedule read;
    ASSERT_TRUE(read.Load(path));
    for (int i = 0; i < CFeeSchedule::kEntryCount; ++i) {
        EXPECT_EQ(read.GetEntry(i), schedule.GetEntry(i)) << i;
    }
}

TEST(FeeScheduleFile, ShortFileKeepsWhatTheUnreadEntriesHeld) {
    const std::string whole = FileBytes([](int, RecordFields& f) { f.name = "Read"; });
    // Cut inside record 5, just after its name and description.
    const std::size_t recordSize = whole.size() / CFeeSchedule::kEntryCount;
    TempFolder folder;
    const auto path = folder.Write("AucField.fee", whole.substr(0, 5 * recordSize + 18));

    CFeeSchedule schedule;
    schedule.SetCurrent(31);
    schedule.SetName("Mine");
    EXPECT_FALSE(schedule.Load(path));
    EXPECT_EQ(schedule.GetPath(), path);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(schedule.GetEntry(i).GetName(), "Read") << i;
    }
    EXPECT_EQ(schedule.GetEntry(5), CFeeEntry(5));  // not half read
    EXPECT_EQ(schedule.GetEntry(30), CFeeEntry(30));
    EXPECT_EQ(schedule.GetEntry(31).GetName(), "Mine");
}

TEST(FeeScheduleFile, MissingFileFailsAndKeepsThePathForSaving) {
    TempFolder folder;
    CFeeSchedule schedule;
    EXPECT_FALSE(schedule.Load(folder / "AucField.fee"));
    EXPECT_EQ(schedule.GetEntry(0), CFeeEntry(0));
    ASSERT_TRUE(schedule.Save());
    EXPECT_TRUE(schedule.Load(folder / "AucField.fee"));
}

TEST(FeeScheduleFile, SaveFailsWithoutPathOrWhenTheFileCannotBeReplaced) {
    CFeeSchedule schedule;
    EXPECT_FALSE(schedule.Save());

    TempFolder folder;
    std::filesystem::create_directory(folder / "AucField.fee");
    EXPECT_FALSE(schedule.Load(folder / "AucField.fee"));
    EXPECT_FALSE(schedule.Save());
    EXPECT_TRUE(std::filesystem::is_directory(folder / "AucField.fee"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1);

    EXPECT_FALSE(schedule.Load(folder / "no" / "such" / "AucField.fee"));
    EXPECT_FALSE(schedule.Save());
}

}  // namespace
