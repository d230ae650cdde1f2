// The report's memo: a new text is read at once, and the control takes the newest one once, when
// the message loop runs.
#include "ui/memo_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "io/host_code_page_win.h"
#include "testing/plugin_fixture_win.h"

namespace {
std::string TextA(HWND control) {
  const auto length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(
      SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

std::wstring TextW(HWND control) {
  const auto length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

// Counts the texts set into the control: installed after the memo's own subclass, it sees every
// message before the memo does.
LRESULT CALLBACK CountSetText(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                              DWORD_PTR count) {
  if (message == WM_SETTEXT) {
    ++*reinterpret_cast<int*>(count);
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(control, CountSetText, id);
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

class MemoTest : public testing::Test {
 protected:
  MemoTest() {
    parent_ = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED, 0, 0, 300, 200, nullptr, nullptr,
                              nullptr, nullptr);
    memo.Create(parent_);
    memo.SetBounds({0, 0, 300, 200});
    SetWindowSubclass(memo.Handle(), CountSetText, 1, reinterpret_cast<DWORD_PTR>(&textsSet));
  }
  ~MemoTest() override { DestroyWindow(parent_); }

  Memo memo;
  int textsSet = 0;

 private:
  HWND parent_ = nullptr;
};

const char kReport[] = "  Band\t  QSOs\r\n   14\t    1\r\n Score: 35 + (1 * 100) =135";
}  // namespace

TEST_F(MemoTest, ANewTextIsReadAtOnceAndTheControlTakesTheNewestOnceWhenTheLoopRuns) {
  memo.SetText("first");
  memo.SetText("second");
  memo.SetText(kReport);
  EXPECT_EQ(textsSet, 0);
  EXPECT_EQ(TextA(memo.Handle()), kReport);
  EXPECT_EQ(TextW(memo.Handle()), WidenHostText(kReport));

  PumpMessages();
  EXPECT_EQ(textsSet, 1);
  EXPECT_EQ(TextA(memo.Handle()), kReport);

  memo.SetText("");
  EXPECT_EQ(TextA(memo.Handle()), "");
  PumpMessages();
  EXPECT_EQ(textsSet, 2);
  EXPECT_EQ(TextA(memo.Handle()), "");
}

TEST_F(MemoTest, ANewTextReadsAsTheControlReadsItInBuffersOfAnySize) {
  const int length = static_cast<int>(std::string(kReport).size());
  for (int size : {0, 1, 2, 7, length, length + 1, length + 10}) {
    SCOPED_TRACE(size);
    // The buffer's tail past the copy shows whether the terminating zero lands where it should.
    auto read = [&](std::string& buffer) {
      buffer.assign(static_cast<std::size_t>(length) + 11, 'x');
      return SendMessageA(memo.Handle(), WM_GETTEXT, static_cast<WPARAM>(size),
                          reinterpret_cast<LPARAM>(buffer.data()));
    };
    memo.SetText(kReport);
    std::string pending;
    const LRESULT pendingCopied = read(pending);
    PumpMessages();
    std::string taken;
    const LRESULT takenCopied = read(taken);
    EXPECT_EQ(pendingCopied, takenCopied);
    EXPECT_EQ(pending, taken);
  }
}

TEST_F(MemoTest, TextSetIntoTheControlBeforeTheLoopRunsStays) {
  memo.SetText(kReport);
  SetWindowTextA(memo.Handle(), "typed over");
  EXPECT_EQ(TextA(memo.Handle()), "typed over");
  PumpMessages();
  EXPECT_EQ(TextA(memo.Handle()), "typed over");
}

TEST_F(MemoTest, EditMessagesFindTheNewestTextInTheControl) {
  memo.SetText("one\r\ntwo\r\nthree");
  EXPECT_EQ(SendMessageA(memo.Handle(), EM_GETLINECOUNT, 0, 0), 3);
  EXPECT_EQ(textsSet, 1);
  PumpMessages();
  EXPECT_EQ(textsSet, 1);  // nothing left to take
}

// A zero byte would end the control's text there: the memo shows it, as every control character.
TEST_F(MemoTest, AZeroByteNeitherEndsTheTextBeforeNorAfterTheControlTakesIt) {
  memo.SetText(std::string("59\0 KO", 6));
  EXPECT_EQ(TextA(memo.Handle()), "59? KO");
  PumpMessages();
  EXPECT_EQ(TextA(memo.Handle()), "59? KO");
}
