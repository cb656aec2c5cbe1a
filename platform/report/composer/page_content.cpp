#include "report/composer/page_content.h"

#include "report/composer/page_objects.h"

#include <algorithm>
#include <cmath>

#include <QDataStream>
#include <QFile>
#include <QFont>
#include <QPainter>
#include <QPen>

#include "report/composer/text_fit.h"
#include "report/model/whole_file.h"

namespace report {

namespace {

constexpr quint32 kPagesMagic = 0x56504732;   // "VPG2"

Qt::Alignment QtAlign(Align align) {
    switch (align) {
    case Align::Center: return Qt::AlignHCenter;
    case Align::Right: return Qt::AlignRight;
    case Align::Left: break;
    }
    return Qt::AlignLeft;
}

QRectF Scaled(const QRectF& mm, double k, QPointF origin) {
    return QRectF(origin.x() + mm.x() * k, origin.y() + mm.y() * k, mm.width() * k, mm.height() * k);
}

} // namespace

void PaintPage(QPainter& painter, const Page& page, double pxPerMm, QPointF origin) {
    painter.save();
    for (const Shape& shape : page.shapes) PaintShape(painter, shape, pxPerMm, origin);
    painter.setPen(QPen(Qt::black));
    for (const PageRule& rule : page.rules) {
        QPen pen(Qt::black);
        pen.setWidthF(std::max(1.0, rule.width * pxPerMm));
        painter.setPen(pen);
        painter.drawLine(QLineF(origin + rule.line.p1() * pxPerMm, origin + rule.line.p2() * pxPerMm));
    }
    // Texts laid out at the printer's resolution and scaled to this device's.
    painter.setPen(QPen(Qt::black));
    painter.translate(origin);
    painter.scale(pxPerMm / kPrintPxPerMm, pxPerMm / kPrintPxPerMm);
    for (const PageText& text : page.texts) {
        QFont font = PrintFont(PrintPixels(text.fontSize), text.bold);
        font.setItalic(text.italic);
        if (!text.family.isEmpty()) font.setFamily(text.family);
        painter.setFont(font);
        painter.drawText(Scaled(text.rect, kPrintPxPerMm, {}),
                         static_cast<int>(QtAlign(text.align) | Qt::AlignVCenter) | Qt::TextSingleLine, text.text);
    }
    painter.restore();
}

bool WritePages(const std::filesystem::path& file, const std::vector<Page>& pages) {
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s << kPagesMagic << static_cast<quint32>(pages.size());
    for (const Page& page : pages) {
        s << page.width << page.height << static_cast<quint32>(page.texts.size());
        for (const PageText& t : page.texts)
            s << t.rect << t.text << t.fontSize << t.bold << static_cast<qint32>(t.align) << t.italic << t.family;
        s << static_cast<quint32>(page.rules.size());
        for (const PageRule& r : page.rules) s << r.line << r.width;
        WriteShapes(s, page.shapes);
    }
    if (s.status() != QDataStream::Ok) return false;
    // Put in place whole: a link at the name is replaced, never followed.
    std::string error;
    return WriteWhole(file, bytes.toStdString(), error);
}

bool ReadPages(const std::filesystem::path& file, std::vector<Page>& pages) {
    QFile in(QString::fromStdString(file.string()));
    if (!in.open(QIODevice::ReadOnly)) return false;
    QDataStream s(&in);
    quint32 magic = 0, count = 0;
    s >> magic >> count;
    if (magic != kPagesMagic) return false;
    std::vector<Page> read;
    for (quint32 p = 0; p < count && s.status() == QDataStream::Ok; ++p) {
        Page page;
        quint32 texts = 0;
        s >> page.width >> page.height >> texts;
        for (quint32 i = 0; i < texts && s.status() == QDataStream::Ok; ++i) {
            PageText t;
            qint32 align = 0;
            s >> t.rect >> t.text >> t.fontSize >> t.bold >> align >> t.italic >> t.family;
            t.align = static_cast<Align>(std::clamp(align, 0, 2));
            page.texts.push_back(std::move(t));
        }
        quint32 rules = 0;
        s >> rules;
        for (quint32 i = 0; i < rules && s.status() == QDataStream::Ok; ++i) {
            PageRule r;
            s >> r.line >> r.width;
            page.rules.push_back(r);
        }
        ReadShapes(s, page.shapes);
        read.push_back(std::move(page));
    }
    if (s.status() != QDataStream::Ok) return false;
    pages = std::move(read);
    return true;
}

} // namespace report
