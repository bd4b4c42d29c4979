// Writes a pseudo-translation of a .ts file: every text becomes itself in brackets, so a window
// that shows a text without the brackets shows one that never went through the translations.
#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: pseudo_ts SOURCE.ts PSEUDO.ts\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "pseudo_ts: cannot open %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    QXmlStreamReader reader(&in);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    writer.writeStartElement(QStringLiteral("TS"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    writer.writeAttribute(QStringLiteral("language"), QStringLiteral("en_XA"));
    int messages = 0;
    QString context;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (reader.name() == QLatin1String("name")) {
            context = reader.readElementText();
        } else if (reader.name() == QLatin1String("message")) {
            QString source, comment;
            while (!(reader.isEndElement() && reader.name() == QLatin1String("message")) && !reader.atEnd()) {
                reader.readNext();
                if (reader.isStartElement() && reader.name() == QLatin1String("source"))
                    source = reader.readElementText();
                else if (reader.isStartElement() && reader.name() == QLatin1String("comment"))
                    comment = reader.readElementText();
            }
            writer.writeStartElement(QStringLiteral("context"));
            writer.writeTextElement(QStringLiteral("name"), context);
            writer.writeStartElement(QStringLiteral("message"));
            writer.writeTextElement(QStringLiteral("source"), source);
            if (!comment.isEmpty())
                writer.writeTextElement(QStringLiteral("comment"), comment);
            writer.writeTextElement(QStringLiteral("translation"), QLatin1Char('[') + source + QLatin1Char(']'));
            writer.writeEndElement();
            writer.writeEndElement();
            ++messages;
        }
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    if (reader.hasError() || messages == 0) {
        std::fprintf(stderr, "pseudo_ts: %s: %s\n", argv[1],
                     reader.hasError() ? qPrintable(reader.errorString()) : "no messages");
        return 1;
    }
    return 0;
}
