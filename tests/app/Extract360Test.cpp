// Extract360 against the stand-in server's 360 flow: short link, share page, download API.
#include "app/Extract360.h"

#include <gtest/gtest.h>

#include "runtime/TextSearch.h"
#include "tests/support/ShareServer.h"

namespace getlink {
namespace {

using testing::RecordedRequests;
using testing::ServerUrl;

using Requests = std::vector<Text>;

// The address the server's download API answers for its one share.
Text ShareAddress() {
  return ServerUrl(
      "/360/file/13718923744520577/%E6%AF%95%E4%B8%9A%E8%AE%BE%E8%AE%A1%20%E7%BB%88%E7%A8%BF.docx"
      "?sign=a7f3e9c1&t=1369031520");
}

bool PostedForm(std::string_view form) {
  return FindText(testing::ServerRecord(), ConcatTexts("\r\n\r\n", form, "\r\n")) != -1;
}

class Extract360Test : public ::testing::Test {
 protected:
  void SetUp() override { testing::ClearServerRecord(); }
};

TEST_F(Extract360Test, ShortLinkIsResolvedWithoutFollowingItsRedirect) {
  EXPECT_EQ(Extract360(ServerUrl("/360/s/Qx7Yb2Zk")), ShareAddress());
  // The API is asked on the long link's server, port included, with the surl of the
  // typed link (the long link ends in "Qx7Yb2Zk?src=short").
  EXPECT_EQ(RecordedRequests(),
            (Requests{"POST /360/s/Qx7Yb2Zk", "GET /360/lk/Qx7Yb2Zk?src=short", "POST /share/downloadfile/"}));
  EXPECT_TRUE(PostedForm("surl=Qx7Yb2Zk&nid=13718923744520577"));
}

TEST_F(Extract360Test, LongLinkIsReadWithoutAFirstRequest) {
  EXPECT_EQ(Extract360(ServerUrl("/360/lk/Qx7Yb2Zk")), ShareAddress());
  EXPECT_EQ(RecordedRequests(), (Requests{"GET /360/lk/Qx7Yb2Zk", "POST /share/downloadfile/"}));
}

TEST_F(Extract360Test, LinkIsTrimmedOfBlanks) {
  EXPECT_EQ(Extract360(" \t" + ServerUrl("/360/s/Qx7Yb2Zk") + "\r\n"), ShareAddress());
  EXPECT_TRUE(PostedForm("surl=Qx7Yb2Zk&nid=13718923744520577"));
}

TEST_F(Extract360Test, ShortLinkToAnythingButTheWebGoesNoFurther) {
  EXPECT_EQ(Extract360(ServerUrl("/360/s/Qx7Yb2Zk?location=ftp")), "");
  EXPECT_EQ(RecordedRequests(), (Requests{"POST /360/s/Qx7Yb2Zk?location=ftp"}));
  testing::ClearServerRecord();
  EXPECT_EQ(Extract360(ServerUrl("/360/s/Qx7Yb2Zk?location=none")), "");
  EXPECT_EQ(RecordedRequests(), (Requests{"POST /360/s/Qx7Yb2Zk?location=none"}));
}

TEST_F(Extract360Test, ReplyWithoutAnAddressGivesEmpty) {
  // No share page, so no nid: the form goes out without one and the API finds no share.
  EXPECT_EQ(Extract360(ServerUrl("/360/lk/Unknown9")), "");
  EXPECT_TRUE(PostedForm("surl=Unknown9&nid="));
}

TEST_F(Extract360Test, NothingToReachGivesEmpty) {
  EXPECT_EQ(Extract360("http://127.0.0.1:" + std::to_string(testing::RefusedPort()) + "/360/s/Qx7Yb2Zk"), "");
  EXPECT_EQ(Extract360("not a link"), "");
  EXPECT_EQ(Extract360(""), "");
  EXPECT_EQ(RecordedRequests(), Requests());
}

}  // namespace
}  // namespace getlink
