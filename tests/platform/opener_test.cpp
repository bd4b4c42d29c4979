// Opening addresses: what the desktop is handed for web addresses, addresses with a scheme and
// absolute paths.
#include "platform/opener.h"

#include <gtest/gtest.h>

TEST(OpenerTest, WebAddressesWithoutSchemeNeverNameALocalFile)
{
    EXPECT_EQ(QtOpener::urlFor("www.example.com/rules"), QUrl("http://www.example.com/rules"));
    EXPECT_EQ(QtOpener::urlFor("  www.padded.org  "), QUrl("http://www.padded.org"));
    EXPECT_EQ(QtOpener::urlFor("www.example.com:8080/x").scheme(), "http");
    const QUrl upper = QtOpener::urlFor("HTTP://Example.org/a?b=1");
    EXPECT_EQ(upper.scheme(), "http");
    EXPECT_EQ(upper.host(), "example.org");
    EXPECT_EQ(upper.query(), "b=1");
    EXPECT_EQ(QtOpener::urlFor("https://example.org"), QUrl("https://example.org"));
    EXPECT_EQ(QtOpener::urlFor("/tmp/bklsetup.exe"), QUrl::fromLocalFile("/tmp/bklsetup.exe"));
    EXPECT_FALSE(QtOpener::urlFor("   ").isValid());
    QtOpener opener;
    EXPECT_FALSE(opener.open(""));
}
