// The loadable media module: Qt's pictures and XML writer behind one C entry point.
#include "platform/MediaModule.h"
#include "platform/qt/QtPictures.h"
#include "platform/qt/QtXmlWriter.h"

namespace {

std::unique_ptr<pelmora::PicturePort> NewPictures() { return std::make_unique<pelmora::QtPictures>(); }
std::unique_ptr<pelmora::XmlWriterPort> NewXmlWriter() { return std::make_unique<pelmora::QtXmlWriter>(); }

constexpr pelmora::MediaModuleEntries kEntries{pelmora::kMediaModuleVersion, &NewPictures, &NewXmlWriter};

}  // namespace

extern "C" __attribute__((visibility("default"))) const pelmora::MediaModuleEntries* PelmoraMediaModule()
{
    return &kEntries;
}
