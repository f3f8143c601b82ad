#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/lumo/lumo_test_util.h"

namespace lumo::cli {
namespace {

using namespace testing;

class LumoSimulate : public CommandTest {
 protected:
  void SetUp() override {
    Write("d.dly", "((_mem (a 0 0) (d 0 0) (q 2 2) (r 0 0) (w 0 0)))");
    Write("c.lcr",
          "(c)\n  (c c) (m _mem) ()\n  (A) (D) (R) (W) (Q) ()\n"
          "  (c A A) (c D D) (c R R) (c W W) (c Q Q) (m a A) (m d D) (m q Q) (m r R) (m w W) ()\n");
    Write("p.lpt", "m m 1 5 z\na A 1 0 1\na D 1 0 0\na R 2 0 0 20 1\na W 1 0 0\ne\n");
  }
  int Simulate(Arguments extra = {}) {
    Arguments args = {"simulate",  "--delays",    Path("d.dly"), "--circuit",    Path("c.lcr"),
                      "--pattern", Path("p.lpt"), "--out",       Path("out.tmp")};
    args.insert(args.end(), extra.begin(), extra.end());
    return Call(args);
  }
};

TEST_F(LumoSimulate, WritesOutputRegisterLogAndStatistics) {
  ASSERT_EQ(Simulate({"--reglog", Path("reg.tmp"), "--stats", Path("stats.tmp")}), kOk)
      << err_.str();
  EXPECT_NE(Read("out.tmp").find("c.Q 22 5\n"), std::string::npos) << Read("out.tmp");
  EXPECT_EQ(Read("reg.tmp"),
            "\n         0: メモリ    1 \n            (input)   5 \n            　　　　    \n"
            "\n        20: メモリ    1 \n            (read)    5 \n            　　　　  = \n");
  EXPECT_EQ(Read("stats.tmp").rfind("実行時間 = ", 0), 0u);
  EXPECT_TRUE(err_.str().empty());
}

TEST_F(LumoSimulate, AFailedRunReportsAndKeepsWhatWasWritten) {
  // The stop command ends the run at 10, before the read at 20.
  Write("cmd.cmd", "stop 10 end");
  EXPECT_EQ(Simulate({"--commands", Path("cmd.cmd")}), kFailed);
  EXPECT_NE(err_.str().find("時間 10 で強制終了しました。"), std::string::npos);
  EXPECT_NE(Read("out.tmp").find("c.A 0 1\n"), std::string::npos);

  // A damaged file is named, with the text read of its faulty expression.
  Write("d.dly", "((_mem (a 0 0)");
  EXPECT_EQ(Simulate(), kFailed);
  EXPECT_NE(
      err_.str().find("読むべきデータがありません。\n((_mem (a 0 0)\n" + Path("d.dly") + "\n"),
      std::string::npos)
      << err_.str();
  Write("d.dly", "((_mem (a 0 0)))");
  Write("c.lcr", "(c)\n  (c c) (m) ()\n");
  EXPECT_EQ(Simulate(), kFailed);
  EXPECT_NE(err_.str().find("(m)\n" + Path("c.lcr") + "\n"), std::string::npos) << err_.str();
}

TEST_F(LumoSimulate, TheOutputReplacesOnlyAFileOrALinkNeverADeviceOrFifo) {
  ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0666), 0);
  fs::create_symlink(Path("fifo"), Path("to_fifo"));
  for (const char* name : {"fifo", "to_fifo"}) {
    EXPECT_EQ(Call({"simulate", "--delays", Path("d.dly"), "--circuit", Path("c.lcr"), "--pattern",
                    Path("p.lpt"), "--out", Path(name)}),
              kFailed);
    EXPECT_EQ(err_.str(), "lumo simulate: " + Path(name) + " is not a regular file\n");
  }
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(Path("fifo"))));
  EXPECT_TRUE(fs::is_symlink(Path("to_fifo")));

  // A link to a file is replaced by the output, the file left as it was.
  Write("victim", "victim\n");
  fs::create_symlink(Path("victim"), Path("out.tmp"));
  ASSERT_EQ(Simulate(), kOk) << err_.str();
  EXPECT_FALSE(fs::is_symlink(Path("out.tmp")));
  EXPECT_EQ(Read("victim"), "victim\n");
}

TEST_F(LumoSimulate, BadUsage) {
  EXPECT_EQ(Call({"simulate", "--delays", Path("d.dly")}), kUsage);
  EXPECT_EQ(Call({"simulate", "--frob", "x"}), kUsage);
  EXPECT_EQ(Simulate({"--out"}), kUsage);
}

}  // namespace
}  // namespace lumo::cli
