#include "dictionary/BuiltinDictionary.h"

#include <QStringView>

#include <array>
#include <utility>

namespace {

// Ellipses are U+2026 (one character) and the solidus in two targets is U+FF0F, written as
// escapes so they cannot be mistaken for "..." and "/". The tab-prefixed sources and their
// targets begin with a real tab character.
constexpr std::array<std::pair<QStringView, QStringView>, 124> kEntries{{
    {u"Customize Toolbar\u2026", u"ツールバーをカスタマイズ\u2026"},   // 1
    {u"Find", u"検索"},                                                // 2
    {u"Lower", u"下げる"},                                             // 3
    {u"Raise", u"上げる"},                                             // 4
    {u"Transformations", u"変換"},                                     // 5
    {u"Spelling", u"スペル"},                                          // 6
    {u"Use Default", u"デフォルト"},                                   // 7
    {u"Speech", u"スピーチ"},                                          // 8
    {u"Find", u"検索"},                                                // 9
    {u"Edit", u"編集"},                                                // 10
    {u"Copy Style", u"スタイルをコピー"},                              // 11
    {u"Redo", u"やり直す"},                                            // 12
    {u"Writing Direction", u"文章の方向"},                             // 13
    {u"Substitutions", u"自動置換"},                                   // 14
    {u"Smart Copy/Paste", u"スマートコピー\uFF0Fペースト"},            // 15
    {u"Tighten", u"きつく"},                                           // 16
    {u"Correct Spelling Automatically", u"スペルを自動的に修正"},      // 17
    {u"Main Menu", u"Main Menu"},                                      // 18
    {u"Preferences\u2026", u"環境設定\u2026"},                         // 19
    {u"\tLeft to Right", u"\t左から右"},                               // 20
    {u"Save As\u2026", u"別名で保存\u2026"},                           // 21
    {u"Close", u"閉じる"},                                             // 22
    {u"Spelling and Grammar", u"スペルと文法"},                        // 23
    {u"Help", u"ヘルプ"},                                              // 24
    {u"Text", u"テキスト"},                                            // 25
    {u"Substitutions", u"自動置換"},                                   // 26
    {u"Bold", u"ボールド"},                                            // 27
    {u"Format", u"フォーマット"},                                      // 28
    {u"Use Default", u"デフォルト"},                                   // 29
    {u"Font", u"フォント"},                                            // 30
    {u"Writing Direction", u"文章の方向"},                             // 31
    {u"View", u"表示"},                                                // 32
    {u"Text Replacement", u"テキストの置換"},                          // 33
    {u"Show Spelling and Grammar", u"スペルと文法を表示"},             // 34
    {u"View", u"表示"},                                                // 35
    {u"Subscript", u"下付き"},                                         // 36
    {u"Open\u2026", u"開く\u2026"},                                    // 37
    {u"Justify", u"両端揃え"},                                         // 38
    {u"Use None", u"使用しない"},                                      // 39
    {u"Revert to Saved", u"最後に保存した状態に戻す"},                 // 40
    {u"Show All", u"すべてを表示"},                                    // 41
    {u"Bring All to Front", u"すべてを手前に移動"},                    // 42
    {u"Paste Ruler", u"ルーラをペースト"},                             // 43
    {u"\tLeft to Right", u"\t左から右"},                               // 44
    {u"Copy Ruler", u"ルーラをコピー"},                                // 45
    {u"Services", u"サービス"},                                        // 46
    {u"\tDefault", u"\tデフォルト"},                                   // 47
    {u"Minimize", u"しまう"},                                          // 48
    {u"Baseline", u"ベースライン"},                                    // 49
    {u"Find Previous", u"前を検索"},                                   // 50
    {u"Stop Speaking", u"読み上げを停止"},                             // 51
    {u"Bigger", u"大きく"},                                            // 52
    {u"Show Fonts", u"フォントパネルを表示"},                          // 53
    {u"Zoom", u"拡大\uFF0F縮小"},                                      // 54
    {u"\tRight to Left", u"\t右から左"},                               // 55
    {u"Superscript", u"上付き"},                                       // 56
    {u"Select All", u"すべてを選択"},                                  // 57
    {u"Jump to Selection", u"選択部分へジャンプ"},                     // 58
    {u"Window", u"ウインドウ"},                                        // 59
    {u"Capitalize", u"語頭を大文字にする"},                            // 60
    {u"Center", u"中央揃え"},                                          // 61
    {u"Hide Others", u"他を隠す"},                                     // 62
    {u"Italic", u"イタリック"},                                        // 63
    {u"Edit", u"編集"},                                                // 64
    {u"Underline", u"アンダーライン"},                                 // 65
    {u"New", u"新規"},                                                 // 66
    {u"Paste and Match Style", u"ペーストしてスタイルを合わせる"},     // 67
    {u"Find\u2026", u"検索\u2026"},                                    // 68
    {u"Find and Replace\u2026", u"検索と置換\u2026"},                  // 69
    {u"\tDefault", u"\tデフォルト"},                                   // 70
    {u"Start Speaking", u"読み上げを開始"},                            // 71
    {u"Align Left", u"左揃え"},                                        // 72
    {u"Paragraph", u"段落"},                                           // 73
    {u"Print\u2026", u"プリント\u2026"},                               // 74
    {u"Window", u"ウインドウ"},                                        // 75
    {u"Font", u"フォント"},                                            // 76
    {u"Use Default", u"デフォルト"},                                   // 77
    {u"Show Colors", u"カラーパネルを表示"},                           // 78
    {u"File", u"ファイル"},                                            // 79
    {u"Use Selection for Find", u"選択部分を検索に使用"},              // 80
    {u"Transformations", u"変換"},                                     // 81
    {u"Use None", u"使用しない"},                                      // 82
    {u"Selection", u"選択部分"},                                       // 83
    {u"Smart Links", u"スマートリンク"},                               // 84
    {u"Make Lower Case", u"小文字にする"},                             // 85
    {u"Text", u"テキスト"},                                            // 86
    {u"File", u"ファイル"},                                            // 87
    {u"Undo", u"取り消す"},                                            // 88
    {u"Paste", u"ペースト"},                                           // 89
    {u"Smart Quotes", u"スマート引用符"},                              // 90
    {u"Check Document Now", u"書類を今すぐチェック"},                  // 91
    {u"Services", u"サービス"},                                        // 92
    {u"Smaller", u"小さく"},                                           // 93
    {u"Baseline", u"ベースライン"},                                    // 94
    {u"Kern", u"カーニング"},                                          // 95
    {u"\tRight to Left", u"\t右から左"},                               // 96
    {u"Format", u"フォーマット"},                                      // 97
    {u"Check Grammar With Spelling", u"スペルと一緒に文法をチェック"}, // 98
    {u"Ligatures", u"リガチャ"},                                       // 99
    {u"Open Recent", u"最近使った項目を開く"},                         // 100
    {u"Loosen", u"ゆるく"},                                            // 101
    {u"Delete", u"削除"},                                              // 102
    {u"Save\u2026", u"保存\u2026"},                                    // 103
    {u"Find Next", u"次を検索"},                                       // 104
    {u"Page Setup\u2026", u"ページ設定\u2026"},                        // 105
    {u"Check Spelling While Typing", u"入力中にスペルチェック"},       // 106
    {u"Smart Dashes", u"スマートダッシュ記号"},                        // 107
    {u"Show Toolbar", u"ツールバーを表示"},                            // 108
    {u"Data Detectors", u"データ検出"},                                // 109
    {u"Open Recent", u"最近使った項目を開く"},                         // 110
    {u"Kern", u"カーニング"},                                          // 111
    {u"Cut", u"カット"},                                               // 112
    {u"Paste Style", u"スタイルをペースト"},                           // 113
    {u"Show Ruler", u"ルーラを表示"},                                  // 114
    {u"Clear Menu", u"メニューを消去"},                                // 115
    {u"Make Upper Case", u"大文字にする"},                             // 116
    {u"Ligatures", u"リガチャ"},                                       // 117
    {u"Align Right", u"右揃え"},                                       // 118
    {u"Help", u"ヘルプ"},                                              // 119
    {u"Copy", u"コピー"},                                              // 120
    {u"Use All", u"すべて使用"},                                       // 121
    {u"Speech", u"スピーチ"},                                          // 122
    {u"Show Substitutions", u"自動置換を表示"},                        // 123
    {u"Enter Full Screen", u"フルスクリーンにする"},                   // 124
}};

} // namespace

ReplacementDictionary BuiltinDictionary::entries()
{
    ReplacementDictionary list;
    list.reserve(kEntries.size());
    for (const auto &[srcs, tget] : kEntries)
        list.push_back({srcs.toString(), tget.toString()});
    return list;
}
