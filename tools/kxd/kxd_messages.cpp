#include "kxd_messages.h"

#include <iterator>

namespace kx {
namespace {

// Japanese in the polite form a Windows tool uses; option names, commands
// and the words a file holds stay as they are typed.
constexpr MessageTexts kMessages[] = {
    {Msg::kUsage,
     "Usage: kxd build INPUT -o OUTPUT.kxd [--csv | --tsv] [--encoding NAME]\n"
     "                 [--fields N,M] [--reading] [--skip-bad]\n"
     "       kxd check FILE.kxd...\n"
     "       kxd dump FILE.kxd [-o OUTPUT.csv]\n"
     "       kxd INPUT...\n"
     "       kxd help | --version\n"
     "Every command takes --lang ja|en: the language of its messages.\n"
     "\n"
     "Writes and reads quiz question files: records of 351 bytes in code page 932,\n"
     "the question in bytes 1-288, the answer in bytes 289-348, a space, CR LF.\n"
     "\n"
     "  build  Turns a CSV or TSV file, one question and its answer per row, or a\n"
     "         deck's notes exported as plain text, into a question file.\n"
     "         TSV when the name ends in .tsv or the first line holds more tabs\n"
     "         than commas, unless --csv or --tsv says so. A header row\n"
     "         (question,answer or 問題,解答) is skipped. Every row that cannot be\n"
     "         stored faithfully is reported as INPUT:LINE: ...; then nothing is\n"
     "         written, unless --skip-bad writes every row that fits.\n"
     "         --encoding utf-8|utf-16|cp932 reads the input so; by default a\n"
     "         byte order mark decides, then valid UTF-8, then code page 932.\n"
     "         A deck export's header lines name its separator, its HTML and\n"
     "         its columns; its first two fields are the question and the\n"
     "         answer unless --fields N,M (from 1) names others. Furigana keep\n"
     "         their base text, and with --reading the reading in parentheses.\n"
     "  check  Reports what is wrong with question files, record by record.\n"
     "  dump   Writes the records as CSV, as the ticker shows them, to standard\n"
     "         output or to OUTPUT.csv: UTF-8 with a byte order mark, CR LF, and\n"
     "         the header 問題,解答, as spreadsheets read and build takes back.\n"
     "  INPUT  alone, as when files are dropped on kxd.exe: builds each INPUT's\n"
     "         name with .kxd beside it (a .kxd file is checked instead). When\n"
     "         rows cannot be stored, asks in its own window whether to write\n"
     "         the rows that fit.\n"
     "\n"
     "Exit status: 0 done, 1 rows refused or problems found, 2 bad usage or a\n"
     "file that cannot be read or written.\n",
     "使い方: kxd build 入力 -o 出力.kxd [--csv | --tsv] [--encoding 名前]\n"
     "                  [--fields N,M] [--reading] [--skip-bad]\n"
     "        kxd check ファイル.kxd...\n"
     "        kxd dump ファイル.kxd [-o 出力.csv]\n"
     "        kxd 入力...\n"
     "        kxd help | --version\n"
     "どのコマンドも --lang ja|en でメッセージの言語を選べます。\n"
     "\n"
     "クイズの問題ファイルを作り、読みます。問題ファイルはコードページ932の\n"
     "351バイトのレコードの並びで、1～288バイト目が問題、289～348バイト目が\n"
     "解答、続いて空白1つと CR LF です。\n"
     "\n"
     "  build  1行に問題とその解答を1つずつ書いた CSV か TSV のファイル、または\n"
     "         デッキのノートをテキストに書き出したファイルから問題ファイルを\n"
     "         作ります。名前が .tsv で終わるか、最初の行にコンマよりタブが\n"
     "         多ければ TSV と見なします（--csv か --tsv で指定もできます）。\n"
     "         見出しの行（「question,answer」か「問題,解答」）は飛ばします。\n"
     "         正しく書き込めない行はすべて「入力 行番号行目: ...」の形で知らせ、\n"
     "         そのときは何も書き込みません。--skip-bad を付けると、入る行を\n"
     "         すべて書き込みます。\n"
     "         --encoding utf-8|utf-16|cp932 で入力の文字コードを指定します。\n"
     "         指定しなければ、BOM、正しい UTF-8、コードページ932 の順に\n"
     "         判断します。デッキの書き出しは、見出しの行で区切り文字、HTML、\n"
     "         列を示します。最初の2つの欄が問題と解答で、--fields N,M（1から\n"
     "         数えます）でほかの欄を選べます。ふりがなは元の文字だけを残し、\n"
     "         --reading を付けると読みをかっこに入れて残します。\n"
     "  check  問題ファイルの不備をレコードごとに知らせます。\n"
     "  dump   レコードをティッカーが表示するとおりに CSV にして、標準出力か\n"
     "         出力.csv に書きます。BOM 付き UTF-8、CR LF、見出し 問題,解答 の\n"
     "         形で、表計算ソフトで開け、build で元に戻せます。\n"
     "  入力   だけを指定すると（kxd.exe にファイルをドロップしたとき）、\n"
     "         入力ごとに拡張子を .kxd に替えた問題ファイルを同じフォルダーに\n"
     "         作ります（.kxd ファイルは調べるだけです）。書き込めない行が\n"
     "         あると、入る行を書き込むかどうかをウィンドウで尋ねます。\n"
     "\n"
     "終了コード: 0 完了、1 書き込めない行か不備があった、2 使い方の誤りか、\n"
     "読み書きできないファイルがあった。\n"},
    {Msg::kTryHelp, "Try 'kxd help'.", "使い方は kxd help で表示できます。"},
    {Msg::kPressAKey, "Press a key to close this window.",
     "何かキーを押すと、このウィンドウを閉じます。"},
    {Msg::kVersion, "kxd {1}", "kxd {1}"},
    {Msg::kNeedsFileName, "{1} needs a file name", "{1} の後にファイル名が必要です"},
    {Msg::kEncodingTakes, "--encoding takes utf-8, utf-16 or cp932",
     "--encoding に指定できるのは utf-8、utf-16、cp932 です"},
    {Msg::kFieldsTakes, "--fields takes two different field numbers from 1, as in 2,1",
     "--fields には、1から数えた異なる2つの欄の番号を 2,1 のように指定します"},
    {Msg::kLangTakes, "--lang takes ja or en", "--lang に指定できるのは ja か en です"},
    {Msg::kUnknownOption, "unknown option '{1}' for {2}",
     "{2} に「{1}」というオプションはありません"},
    {Msg::kUnknownCommand, "unknown command or file '{1}'",
     "「{1}」というコマンドもファイルもありません"},
    {Msg::kBuildTakesOneInput, "build takes one input file",
     "build に指定できる入力ファイルは1つです"},
    {Msg::kBuildNeedsOutput, "build needs -o OUTPUT.kxd", "build には -o 出力.kxd が必要です"},
    {Msg::kCheckNeedsFile, "check needs a question file", "check には問題ファイルが必要です"},
    {Msg::kDumpTakesOneFile, "dump takes one question file",
     "dump に指定できる問題ファイルは1つです"},
    {Msg::kCannotBeRead, "{1}: cannot be read", "{1}: 読み込めません"},
    {Msg::kCannotBeWritten, "{1}: cannot be written", "{1}: 書き込めません"},
    {Msg::kReadAs, "{1}: read as {2}", "{1}: {2}として読み込みました"},
    {Msg::kReadAsAlsoCp932,
     "{1}: read as {2}, though it is code page 932 text as well, which reads differently "
     "(--encoding cp932 reads it so)",
     "{1}: {2}として読み込みました。ただしコードページ932のテキストとしても読め、"
     "そのときは別の文字になります（--encoding cp932 でそう読みます）"},
    {Msg::kEncodingUtf8, "UTF-8", "UTF-8"},
    {Msg::kEncodingUtf16, "UTF-16LE", "UTF-16LE"},
    {Msg::kEncodingCp932, "code page 932", "コードページ932"},
    {Msg::kAtLine, "{1}:{2}: {3}", "{1} {2}行目: {3}"},
    {Msg::kRowSkipped, "{1}: {2} row skipped; {3} written",
     "{1}: {2}行を飛ばしました。書き込むのは{3}問です"},
    {Msg::kRowsSkipped, "{1}: {2} rows skipped; {3} written",
     "{1}: {2}行を飛ばしました。書き込むのは{3}問です"},
    {Msg::kProblemNotWritten, "{1}: {2} problem; {3} not written",
     "{1}: エラーが{2}件あるため、{3} は書き込みませんでした"},
    {Msg::kProblemsNotWritten, "{1}: {2} problems; {3} not written",
     "{1}: エラーが{2}件あるため、{3} は書き込みませんでした"},
    {Msg::kQuestionWritten, "{1} question written to {2}", "{1}問を {2} に書き込みました"},
    {Msg::kQuestionsWritten, "{1} questions written to {2}", "{1}問を {2} に書き込みました"},
    {Msg::kWriteTheRowsThatFit, "{1}: {3} of {2} questions fit; write them? (y/n) ",
     "{1}: {2}問のうち{3}問を書き込みますか？ (y/n) "},
    {Msg::kNoCompleteRecord, "{1}: no complete record (the ticker would show its built-in sample)",
     "{1}: 完全なレコードが1つもありません（ティッカーは組み込みの見本を表示します）"},
    {Msg::kNoProblemsFound, "{1}: no problems found", "{1}: エラーは見つかりませんでした"},
    {Msg::kQuestion, "question", "問題"},
    {Msg::kAnswer, "answer", "解答"},
    {Msg::kLineBreak, "holds a line break ({1}); a record holds one line",
     "改行（{1}）を含んでいます。レコードには1行しか入りません"},
    {Msg::kControlCharacter, "holds the control character {1}", "制御文字 {1} を含んでいます"},
    {Msg::kNoCp932Form, "{1} has no code page 932 form", "{1} はコードページ932にない文字です"},
    {Msg::kNoCp932FormWriteInstead, "{1} has no code page 932 form; write {2} instead",
     "{1} はコードページ932にない文字です。代わりに {2} を使ってください"},
    {Msg::kEntityNoCp932Form, "&{1}; ('{2}') has no code page 932 form",
     "&{1};（'{2}'）はコードページ932にない文字です"},
    {Msg::kNotCp932Byte, "not code page 932: byte {1} at byte {2} of the field",
     "コードページ932ではありません: 欄の{2}バイト目が {1} です"},
    {Msg::kInvalidUtf8, "invalid UTF-8: byte {1} at byte {2} of the field",
     "UTF-8 として正しくありません: 欄の{2}バイト目が {1} です"},
    {Msg::kExpectedFields, "expected at least {1} fields, found {2}",
     "欄が{1}個以上必要ですが、{2}個しかありません"},
    {Msg::kExpectedTwoFields, "expected 2 fields (question, answer), found {1}",
     "欄は問題と解答の2個のはずですが、{1}個あります"},
    {Msg::kOnlyMarkup,
     "holds only markup, pictures or sounds; the ticker would have nothing to show",
     "タグ、画像、音声だけで、ティッカーに表示するものがありません"},
    {Msg::kEmptyField, "empty; the ticker would have nothing to show",
     "空で、ティッカーに表示するものがありません"},
    {Msg::kTooLong, "{1} bytes in code page 932; at most {2} fit ({3} full-width characters)",
     "コードページ932で{1}バイトです。入るのは{2}バイト（全角{3}文字）までです"},
    {Msg::kNoQuestions, "no questions in the file", "問題が1つもありません"},
    {Msg::kQuoteNeverClosed, "a quoted field that starts here is never closed",
     "ここで始まる引用符付きの欄が閉じられていません"},
    {Msg::kQuoteNeverClosedLines,
     "a quoted field that starts here is never closed, so lines {1}-{2} cannot be read as rows",
     "ここで始まる引用符付きの欄が閉じられていないため、{1}～{2}行目を行として読めません"},
    {Msg::kTextAfterQuote,
     "text after the closing quote of a field (inside quotes, write a quote as two quotes)",
     "欄を閉じる引用符の後に文字があります（引用符の中の引用符は2つ続けて書きます）"},
    {Msg::kHalfSurrogate, "UTF-16 unit {1} is half of a surrogate pair whose other half is missing",
     "UTF-16 の単位 {1} はサロゲートペアの片方で、もう片方がありません"},
    {Msg::kHalfUtf16AtEnd,
     "the file ends in half a UTF-16 character (the byte {1}): it may be cut short",
     "ファイルが UTF-16 の文字の半分（バイト {1}）で終わっています。途中で切れているかもしれ"
     "ません"},
    {Msg::kUnknownSeparator, "unknown separator '{1}'", "区切り文字「{1}」がわかりません"},
    {Msg::kNoColumnNumber, "'{1}' is no column number", "「{1}」は列番号ではありません"},
    {Msg::kAtRecord, "{1}: record {2}: {3}", "{1} レコード{2}: {3}"},
    {Msg::kNotCrLf, "bytes 350-351 are not CR LF", "350～351バイト目が CR LF ではありません"},
    {Msg::kCrLfSplits, "a CR LF at bytes {1}-{2} splits the record",
     "{1}～{2}バイト目の CR LF がレコードを分けています"},
    {Msg::kByte349, "byte 349 ({1}) is not a single-byte character",
     "349バイト目（{1}）が1バイト文字ではありません"},
    {Msg::kEmpty, "empty", "空です"},
    {Msg::kCutCharacter, "a double-byte character is cut at byte {1} (lead byte {2})",
     "2バイト文字が{1}バイト目で切れています（先頭バイト {2}）"},
    {Msg::kNoCp932Character, "no code page 932 character: {1}",
     "コードページ932の文字ではありません: {1}"},
    {Msg::kBytesAt, "bytes {1} {2} at byte {3}", "{3}バイト目の {1} {2}"},
    {Msg::kByteAt, "byte {1} at byte {2}", "{2}バイト目の {1}"},
    {Msg::kControlByte, "control byte {1} at byte {2}", "{2}バイト目に制御バイト {1} があります"},
    {Msg::kAndMore, " (and {1} more)", "（ほか{1}か所）"},
    {Msg::kFileEmpty, "empty: no records (the ticker would show its built-in sample)",
     "空です。レコードがありません（ティッカーは組み込みの見本を表示します）"},
    {Msg::kLengthNotMultiple, "length {1} is not a multiple of {2}",
     "長さ{1}バイトは{2}の倍数ではありません"},
    {Msg::kOlderRecordSize,
     "; it is a multiple of {1}, an older record size that the program refuses",
     "。{1}の倍数で、これはプログラムが受け付けない古いレコード長です"},
    {Msg::kCutShort, "cut short: {1} of {2} bytes",
     "途中で切れています（{2}バイトのうち{1}バイト）"},
};

constexpr bool IsWhole() {
  if (std::size(kMessages) != static_cast<std::size_t>(Msg::kCount)) return false;
  for (std::size_t i = 0; i < std::size(kMessages); ++i) {
    const MessageTexts& texts = kMessages[i];
    if (static_cast<std::size_t>(texts.id) != i || texts.english.empty() ||
        texts.japanese.empty()) {
      return false;
    }
  }
  return true;
}
static_assert(IsWhole(), "every message, in the order of Msg, with both of its texts");

}  // namespace

std::span<const MessageTexts> AllMessages() { return kMessages; }

std::string Text(Language language, Msg id, std::initializer_list<std::string_view> args) {
  const MessageTexts& texts = kMessages[static_cast<std::size_t>(id)];
  const std::string_view pattern = language == Language::kJapanese ? texts.japanese : texts.english;
  std::string text;
  text.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const std::size_t index = i + 2 < pattern.size() && pattern[i] == '{' &&
                                      pattern[i + 1] >= '1' && pattern[i + 1] <= '9' &&
                                      pattern[i + 2] == '}'
                                  ? static_cast<std::size_t>(pattern[i + 1] - '1')
                                  : args.size();
    if (index < args.size()) {
      text += args.begin()[index];
      i += 2;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

std::optional<Language> ParseLanguageName(std::string_view name) {
  if (name == "ja") return Language::kJapanese;
  if (name == "en") return Language::kEnglish;
  return std::nullopt;
}

Language LanguageOfLocale(std::string_view locale) {
  return locale.starts_with("ja") ? Language::kJapanese : Language::kEnglish;
}

}  // namespace kx
