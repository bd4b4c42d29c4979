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

    // Far past any fixed buffer: handed over whole.
    url.URLType = TURLType::utHttps;
    url.URL = "example.org/" + QString(5000, 'a');
    EXPECT_TRUE(url.open());
    EXPECT_EQ(opener.opened.last().size(), 8 + 12 + 5000);

    opener.answer = false;
    EXPECT_FALSE(url.open());
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
