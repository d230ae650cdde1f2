#include "logfiles/adx_reader.h"

#include <expat.h>

#include <array>
#include <climits>
#include <memory>
#include <new>

#include "logfiles/adif_fields.h"
#include "logfiles/log_text.h"
#include "logfiles/text_encoding.h"
#include "logfiles/utf8.h"

namespace {
struct FreeParser {
  void operator()(XML_ParserStruct* parser) const { XML_ParserFree(parser); }
};
using Parser = std::unique_ptr<XML_ParserStruct, FreeParser>;

// Elements by their depth: the root (ADX) at 1, RECORDS at 2, RECORD at 3, its fields at 4.
constexpr int kRecordDepth = 3;
constexpr int kFieldDepth = 4;

// The document opens with an XML declaration that names its encoding, the document's own word.
bool DeclaresEncoding(std::string_view text) {
  text = WithoutUtf8Mark(text);
  if (text.substr(0, 5) != "<?xml") {
    return false;
  }
  return text.substr(0, text.find("?>")).find("encoding") != std::string_view::npos;
}

// Without a declaration XML is UTF-8, or UTF-16 by its byte-order mark; a document that is neither
// is in some code page, which the reader is told.
bool InACodePage(std::string_view text) {
  return !DeclaresEncoding(text) && text.substr(0, 2) != "\xFF\xFE" &&
         text.substr(0, 2) != "\xFE\xFF" && !IsUtf8(text);
}

class AdxReader {
 public:
  explicit AdxReader(QsoDetail detail) : parser_(XML_ParserCreate(nullptr)) {
    log_.format = "ADX";
    log_.qsos = QsoList(detail);
    if (!parser_) {
      throw std::bad_alloc();
    }
    XML_SetUserData(parser_.get(), this);
    XML_SetElementHandler(parser_.get(), &AdxReader::OnStart, &AdxReader::OnEnd);
    XML_SetCharacterDataHandler(parser_.get(), &AdxReader::OnText);
    // An ADX log declares no entities; a document that does is stopped before it can expand them.
    XML_SetEntityDeclHandler(parser_.get(), &AdxReader::OnEntity);
    XML_SetUnknownEncodingHandler(parser_.get(), &AdxReader::OnUnknownEncoding, nullptr);
  }

  ContestLog Read(std::string_view text, const std::optional<CodePage>& codePage) {
    if (text.size() > static_cast<std::size_t>(INT_MAX)) {
      throw LogError("the ADX file is too large to read (over 2 GB)");
    }
    if (codePage && InACodePage(text)) {
      XML_SetEncoding(parser_.get(), codePage->Name().c_str());
    }
    const bool ok = XML_Parse(parser_.get(), text.data(), static_cast<int>(text.size()),
                              XML_TRUE) == XML_STATUS_OK;
    if (!ok) {
      const std::string reason = entityDeclared_ ? "it declares entities"
                                                 : XML_ErrorString(XML_GetErrorCode(parser_.get()));
      Warn(static_cast<std::int64_t>(XML_GetCurrentLineNumber(parser_.get())),
           "the XML cannot be read on from here (" + reason + "); the records after it are lost");
      log_.cutShort = true;
    }
    log_.ownLocators = ownLocators_.Take();
    return std::move(log_);
  }

 private:
  static void XMLCALL OnStart(void* self, const XML_Char* name, const XML_Char**) {
    static_cast<AdxReader*>(self)->Start(name);
  }
  static void XMLCALL OnEnd(void* self, const XML_Char*) { static_cast<AdxReader*>(self)->End(); }
  static void XMLCALL OnText(void* self, const XML_Char* text, int length) {
    AdxReader& reader = *static_cast<AdxReader*>(self);
    if (reader.depth_ == kFieldDepth && reader.field_) {
      reader.texts_[static_cast<std::size_t>(*reader.field_)].append(
          text, static_cast<std::size_t>(length));
    }
  }

  // The encodings expat does not know itself: the single-byte code pages iconv knows.
  static int XMLCALL OnUnknownEncoding(void*, const XML_Char* name, XML_Encoding* info) {
    const std::optional<CodePage> page = CodePage::Named(name);
    if (!page) {
      return XML_STATUS_ERROR;
    }
    for (int byte = 0; byte < 256; ++byte) {
      info->map[byte] = page->CodePoint(static_cast<unsigned char>(byte));
    }
    info->data = nullptr;
    info->convert = nullptr;
    info->release = nullptr;
    return XML_STATUS_OK;
  }
  static void XMLCALL OnEntity(void* self, const XML_Char*, int, const XML_Char*, int,
                               const XML_Char*, const XML_Char*, const XML_Char*, const XML_Char*) {
    AdxReader& reader = *static_cast<AdxReader*>(self);
    reader.entityDeclared_ = true;
    XML_StopParser(reader.parser_.get(), XML_FALSE);
  }

  void Start(std::string_view name) {
    ++depth_;
    if (depth_ == kRecordDepth - 1) {
      inRecords_ = EqualsIgnoringCase(name, "RECORDS");
    } else if (depth_ == kRecordDepth && inRecords_ && EqualsIgnoringCase(name, "RECORD")) {
      inRecord_ = true;
      recordLine_ = static_cast<std::int64_t>(XML_GetCurrentLineNumber(parser_.get()));
      for (std::string& text : texts_) {
        text.clear();
      }
    } else if (depth_ == kFieldDepth && inRecord_) {
      field_ = FindAdifField(name, log_.qsos.Detail());
    }
  }

  void End() {
    if (depth_ == kRecordDepth && inRecord_) {
      AddQso();
      inRecord_ = false;
    } else if (depth_ == kFieldDepth) {
      field_.reset();
    }
    --depth_;
  }

  void AddQso() {
    AdifValues values;
    for (std::size_t i = 0; i < kAdifFieldCount; ++i) {
      values.Set(static_cast<AdifField>(i), texts_[i]);
    }
    AdifQso qso;
    const std::string problem = FillAdifQso(values, log_.qsos.Detail(), qso);
    if (!problem.empty()) {
      Warn(recordLine_, problem);
      return;
    }
    qso.view.line = recordLine_;
    log_.qsos.push_back(qso.view);
    ownLocators_.Add(qso.view[QsoText::kOwnLocator]);
    if (log_.stationCall.empty()) {
      log_.stationCall = qso.view[QsoText::kOwnCall];
    }
  }

  void Warn(std::int64_t line, std::string message) {
    log_.warnings.push_back({line, std::move(message)});
  }

  Parser parser_;
  ContestLog log_;
  OwnLocatorCollector ownLocators_;
  int depth_ = 0;
  bool inRecords_ = false;
  bool inRecord_ = false;
  bool entityDeclared_ = false;
  std::int64_t recordLine_ = 0;
  std::optional<AdifField> field_;                  // the known field being read
  std::array<std::string, kAdifFieldCount> texts_;  // of the record being read
};
}  // namespace

ContestLog ReadAdx(std::string_view text, const std::optional<CodePage>& codePage,
                   QsoDetail detail) {
  return AdxReader(detail).Read(text, codePage);
}
