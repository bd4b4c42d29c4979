// TURL: the scheme put in front of the address, and what an empty address does.
#include "platform/opener.h"
#include "platform/turl.h"

#include <gtest/gtest.h>

TEST(TURL, EachSchemeGoesInFrontOfTheAddressAsItIs)
{
    RecordingOpener opener;
    TURL url(opener);
    EXPECT_EQ(url.URLType, TURLType::utHttp);
    url.URL = "example.org/rules";
    const std::pair<TURLType, const char*> cases[] = {
        {TURLType::utFile, "file://example.org/rules"},     {TURLType::utFtp, "ftp://example.org/rules"},
        {TURLType::utGopher, "gopher://example.org/rules"}, {TURLType::utHttp, "http://example.org/rules"},
        {TURLType::utHttps, "https://example.org/rules"},   {TURLType::utMailto, "mailto:example.org/rules"},
        {TURLType::utNews, "news:example.org/rules"},       {TURLType::utTelnet, "telnet:example.org/rules"},
        {TURLType::utWais, "wais:example.org/rules"},       {TURLType::utnone, "example.org/rules"}};
    QStringList expected;
    for (const auto& [type, address] : cases) {
        url.URLType = type;
        EXPECT_TRUE(url.open()) << address;
        expected.append(address);
    }
    EXPECT_EQ(opener.opened, expected);

    opener.answer = false;
    EXPECT_FALSE(url.open());
}

TEST(TURL, TheDesktopIsHandedEachSchemeAsItIsAndABareAddressAsAWebPage)
{
    RecordingOpener opener;
    TURL url(opener);
    url.URL = "example.org/rules";
    const std::pair<TURLType, const char*> cases[] = {
        {TURLType::utHttp, "http://example.org/rules"}, {TURLType::utHttps, "https://example.org/rules"},
        {TURLType::utFtp, "ftp://example.org/rules"},   {TURLType::utMailto, "mailto:example.org/rules"},
        {TURLType::utNews, "news:example.org/rules"},   {TURLType::utnone, "http://example.org/rules"}};
    for (const auto& [type, address] : cases) {
        url.URLType = type;
        EXPECT_EQ(QtOpener::urlFor(url.address()), QUrl(QString::fromLatin1(address))) << address;
    }
    // Without a scheme the first word is a host; a path of the current folder opens nothing.
    url.URLType = TURLType::utnone;
    url.URL = "tmp/x";
    EXPECT_EQ(QtOpener::urlFor(url.address()), QUrl("http://tmp/x"));
    url.URL = "./rules.html";
    EXPECT_FALSE(QtOpener::urlFor(url.address()).isValid());
}

TEST(TURL, AnEmptyAddressOpensNothingAndFails)
{
    RecordingOpener opener;
    TURL url(opener);
    for (const TURLType type : {TURLType::utHttp, TURLType::utMailto, TURLType::utnone}) {
        url.URLType = type;
        EXPECT_FALSE(url.open());
    }
    EXPECT_TRUE(opener.opened.isEmpty());
}
