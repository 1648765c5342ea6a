// The name table against a node-based map doing the same steps: names come
// and go in numbers that make the table grow and its searches wrap round the
// end of the array, and every name still there is found with its own id.
#include "document/name_ids.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <unordered_map>

namespace {

struct TRun {
    int Names; // how many different names the steps draw from
    int Steps;
    int EraseIn; // one step in this many erases
};

class NameIdsTest : public testing::TestWithParam<TRun> {};

TEST_P(NameIdsTest, AgreesWithAMapThroughInternsAndErases) {
    const TRun run = GetParam();
    std::mt19937 random(static_cast<unsigned>(run.Names * 31 + run.Steps));
    TNameIds ids;
    ids.Clear();
    std::unordered_map<std::string, int> reference;
    for (int step = 0; step < run.Steps; ++step) {
        const std::string name = "M" + std::to_string(random() % run.Names);
        if (static_cast<int>(random() % run.EraseIn) == 0) {
            ids.Erase(name);
            reference.erase(name);
        } else {
            const auto [id, isNew] = ids.Intern(name);
            const auto [at, inserted] = reference.try_emplace(name, id);
            ASSERT_EQ(isNew, inserted) << name << " at step " << step;
            ASSERT_EQ(id, at->second) << name << " at step " << step;
        }
        ASSERT_EQ(ids.Size(), reference.size());
    }
    std::set<int> given;
    for (const auto& [name, id] : reference) {
        EXPECT_EQ(ids.Find(name), id) << name;
        EXPECT_TRUE(given.insert(id).second) << "id " << id << " given twice";
        EXPECT_LT(static_cast<std::size_t>(id), ids.IdLimit());
    }
    EXPECT_EQ(ids.Find("not a name"), -1);
}

INSTANTIATE_TEST_SUITE_P(Runs, NameIdsTest,
                         testing::Values(TRun{5, 200, 2}, TRun{40, 2000, 3}, TRun{3000, 20000, 4},
                                         TRun{20000, 60000, 10}));

TEST(NameIds, ClearForgetsEveryNameAndIdsStartAgain) {
    TNameIds ids;
    ids.Clear(4);
    EXPECT_EQ(ids.Intern("A").first, 0);
    EXPECT_EQ(ids.Intern("B").first, 1);
    ids.Erase("A");
    EXPECT_EQ(ids.Intern("C").first, 0) << "a freed id is given again";
    ids.Clear();
    EXPECT_EQ(ids.Find("B"), -1);
    EXPECT_EQ(ids.Intern("B"), std::make_pair(0, true));
}

} // namespace
