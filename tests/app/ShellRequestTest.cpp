#include "CCommandLineInfo.h"
#include "ShellRequest.h"
#include "QtPrinting.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(ShellRequestText, IsBuiltExactly)
{
    EXPECT_EQ(ShellRequest::Open("/maps/a.rms").ToText(), "[open(\"/maps/a.rms\")]");
    EXPECT_EQ(ShellRequest::Print("/maps/a.rms").ToText(), "[print(\"/maps/a.rms\")]");
    EXPECT_EQ(ShellRequest::PrintTo("/maps/a.rms", "Laser", "cups", "usb0").ToText(),
              "[printto(\"/maps/a.rms\",\"Laser\",\"cups\",\"usb0\")]");
    EXPECT_EQ(ShellRequest::Open("/maps/say \"hi\".rms").ToText(), "[open(\"/maps/say \"\"hi\"\".rms\")]");
}

TEST(ShellRequestText, AnyFileNameSurvivesTheRoundTrip)
{
    const QString names[] = {
        "/maps/plain.rms",
        "/maps/\"quoted\".rms",
        "/maps/\"",
        "/maps/a\",\"b\")].rms",
        "/maps/[open(\"x\")]",
        "/maps/new\nline\ttab \\ back.rms",
        QString::fromUtf8("/karten/stra\xc3\x9f" "e \xe2\x82\xac.rms"),
    };
    for (const QString &name : names) {
        for (const ShellRequest &request :
             {ShellRequest::Open(name), ShellRequest::Print(name), ShellRequest::PrintTo(name, name, "", name)}) {
            const std::optional<ShellRequest> parsed = ShellRequest::ParseUtf8(request.ToText().toUtf8());
            ASSERT_TRUE(parsed) << request.ToText().toStdString();
            EXPECT_EQ(*parsed, request) << request.ToText().toStdString();
        }
    }
}

TEST(ShellRequestText, AnythingButOneWellFormedRequestIsRejected)
{
    const QByteArray malformed[] = {
        "",
        "[open(\"/a.rms\")",
        "open(\"/a.rms\")]",
        "[open(/a.rms)]",
        "[open('/a.rms')]",
        "[open(\"/a.rms)]",
        "[open(\"/a.rms\"\")]",
        "[open( \"/a.rms\")]",
        "[open(\"/a.rms\") ]",
        " [open(\"/a.rms\")]",
        "[open(\"/a.rms\")]\n",
        "[OPEN(\"/a.rms\")]",
        "[new(\"/a.rms\")]",
        "[close()]",
        "[open()]",
        "[open(\"\")]",
        "[open(\"/a.rms\",\"/b.rms\")]",
        "[open(\"/a.rms\")][open(\"/b.rms\")]",
        "[print(\"/a.rms\",\"Laser\")]",
        "[printto(\"/a.rms\",\"Laser\",\"cups\")]",
        "[printto(\"/a.rms\",\"\",\"cups\",\"usb0\")]",
        "[printto(\"/a.rms\",\"Laser\",\"cups\",\"usb0\",\"x\")]",
        "[open(\"/a\xff.rms\")]",
        "\xef\xbb\xbf[open(\"/a.rms\")]",
    };
    for (const QByteArray &text : malformed)
        EXPECT_FALSE(ShellRequest::ParseUtf8(text)) << text.toStdString();
}

TEST(ShellRequestText, ComesFromTheCommandLineWithAnAbsolutePath)
{
    struct Case {
        QStringList arguments;
        std::optional<ShellRequest> request;
    };
    const QString here = QDir::currentPath();
    const Case cases[] = {
        {{"maps/a.rms"}, ShellRequest::Open(here + "/maps/a.rms")},
        {{"/maps/a.rms"}, ShellRequest::Open("/maps/a.rms")},
        {{"-p", "a.rms"}, ShellRequest::Print(here + "/a.rms")},
        {{"-pt", "a.rms", "Laser", "cups", "usb0"}, ShellRequest::PrintTo(here + "/a.rms", "Laser", "cups", "usb0")},
        {{}, std::nullopt},
        {{"-dde"}, std::nullopt},
        {{"-dde", "a.rms"}, std::nullopt},
        {{"-Unregister", "a.rms"}, std::nullopt},
        {{"-p"}, std::nullopt},
    };
    for (const Case &c : cases) {
        CCommandLineInfo info;
        ParseCommandLine(c.arguments, info);
        EXPECT_EQ(ShellRequest::FromCommandLine(info), c.request) << c.arguments.join(' ').toStdString();
    }
}

} // namespace
