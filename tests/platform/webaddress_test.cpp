// Which texts are web addresses, for the chat's links and the desktop opener alike, and the
// address each one becomes.
#include "platform/opener.h"
#include "platform/webaddress.h"

#include <gtest/gtest.h>

TEST(WebAddress, WebAddressesWithOrWithoutTheirSchemeBecomeHttpAddresses)
{
    const std::pair<const char*, const char*> web[] = {
        {"www.example.com", "http://www.example.com"},
        {"  www.padded.org\t", "http://www.padded.org"},
        {"WWW.Example.com/a:b", "http://www.example.com/a:b"},
        {"www.example.com:8080/x", "http://www.example.com:8080/x"}, // a host and its port, no scheme
        {"127.0.0.1:8080/www.x", "http://127.0.0.1:8080/www.x"},
        {"http://x.org", "http://x.org"},
        {"HTTPS://x.org/www.", "https://x.org/www."},
        {"hTtP://x.org/a?b=1#c", "http://x.org/a?b=1#c"},
        {"x.org/see:http://y.org", "http://x.org/see:http://y.org"},
    };
    for (const auto& [text, address] : web) {
        const QUrl url = web::webAddressUrl(QString::fromLatin1(text));
        EXPECT_EQ(url, QUrl(QString::fromLatin1(address))) << text;
        EXPECT_TRUE(web::isWebAddress(QString::fromLatin1(text))) << text;
        // The desktop is handed the same address.
        EXPECT_EQ(QtOpener::urlFor(QString::fromLatin1(text)), url) << text;
    }
}

TEST(WebAddress, PathsOtherSchemesAndAddressesWithoutAHostAreNoWebAddresses)
{
    for (const char* text : {"", "   ", "/tmp/www.sh", "~/www.x", "./www.x", "../www.x", "\\\\server\\www.x",
                             "file:///etc/www.passwd", "javascript:www.x", "JavaScript:alert('www.')",
                             " javascript:www.x", "smb://www.x", "ftp://www.x", "mailto:a@www.x", "see:http://x.org",
                             "http:www.x", "https:/www.x", "http://", "HTTPS://", "http:///etc/passwd",
                             "localhost:8080/www.x"}) {
        EXPECT_FALSE(web::webAddressUrl(QString::fromLatin1(text)).isValid()) << text;
        EXPECT_FALSE(web::isWebAddress(QString::fromLatin1(text))) << text;
    }
}

TEST(WebAddress, ASchemeIsALetterThenLettersDigitsPlusOrMinusBeforeTheFirstColon)
{
    EXPECT_EQ(web::schemeOf("HTTP://x"), "http");
    EXPECT_EQ(web::schemeOf("svn+ssh://x"), "svn+ssh");
    EXPECT_EQ(web::schemeOf("x-y1:z"), "x-y1");
    EXPECT_EQ(web::schemeOf("  mailto:a@b"), "mailto");
    for (const char* none : {"www.example.com:8080", "1http://x", ":x", "no colon", "a b:c", "\xe9t\xe9:x", "-x:y"})
        EXPECT_EQ(web::schemeOf(QString::fromLatin1(none)), QString()) << none;
}
