// Catalog saves that must create what the file lacks, in Xcode's order and layout, and the
// saves that must keep what they cannot read.
#include "CatalogTests.h"

#include "catalog/CatalogDiff.h"
#include "catalog/CatalogDocument.h"
#include "catalog/CatalogSave.h"

using namespace Qt::StringLiterals;

class TestCatalogShapes : public QObject
{
    Q_OBJECT

private slots:
    void createdInXcodeOrder_data();
    void createdInXcodeOrder();
    void duplicateKeyEditsFirstCopy();
    void refusals();
    void diffSeesChangesOutsideTheLanguage_data();
    void diffSeesChangesOutsideTheLanguage();
};

void TestCatalogShapes::createdInXcodeOrder_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("a new language between others") << u"de"_s << catalog(R"(    "%lld files" : {
      "localizations" : {
        "ar" : {
          "stringUnit" : {
            "state" : "translated",
            "value" : "ملفات"
          }
        },
        "de" : {
          "variations" : {
            "plural" : {
              "one" : {
                "stringUnit" : {
                  "state" : "translated",
                  "value" : "T0"
                }
              },
              "other" : {
                "stringUnit" : {
                  "state" : "translated",
                  "value" : "T1"
                }
              }
            }
          }
        },
        "en" : {
          "variations" : {
            "plural" : {
              "one" : {
                "stringUnit" : {
                  "state" : "translated",
                  "value" : "%lld file"
                }
              },
              "other" : {
                "stringUnit" : {
                  "state" : "translated",
                  "value" : "%lld files"
                }
              }
            }
          }
        }
      }
    },
    "Bare" : {
      "localizations" : {
        "de" : {
          "stringUnit" : {
            "state" : "translated",
            "value" : "T2"
          }
        }
      }
    },
    "Key" : {
      "comment" : "A comment",
      "localizations" : {
        "de" : {
          "stringUnit" : {
            "state" : "translated",
            "value" : "T3"
          }
        },
        "en" : {
          "stringUnit" : {
            "state" : "translated",
            "value" : "Key"
          }
        }
      }
    })");
    // The categories Russian needs, in Xcode's key order, beside the other languages.
    QTest::newRow("plural categories") << u"ru"_s << QByteArray(R"(        },
        "ru" : {
          "variations" : {
            "plural" : {
              "few" : {
                "stringUnit" : {
                  "state" : "translated",
                  "value" : "T1"
                }
              },
              "many" : {
                "stringUnit" : {
                  "state" : "translated",
                  "value" : "T2"
                }
              },
              "one" : {
                "stringUnit" : {
                  "state" : "translated",
                  "value" : "T0"
                }
              },
              "other" : {
                "stringUnit" : {
                  "state" : "translated",
                  "value" : "T3"
                }
              }
            }
          }
        }
      }
    },)");
}

void TestCatalogShapes::createdInXcodeOrder()
{
    QFETCH(QString, language);
    QFETCH(QByteArray, expected);
    const QByteArray bytes = catalog(R"(    "%lld files" : {
      "localizations" : {
        "ar" : {
          "stringUnit" : {
            "state" : "translated",
            "value" : "ملفات"
          }
        },
        "en" : {
          "variations" : {
            "plural" : {
              "one" : {
                "stringUnit" : {
                  "state" : "translated",
                  "value" : "%lld file"
                }
              },
              "other" : {
                "stringUnit" : {
                  "state" : "translated",
                  "value" : "%lld files"
                }
              }
            }
          }
        }
      }
    },
    "Bare" : {

    },
    "Key" : {
      "comment" : "A comment",
      "localizations" : {
        "en" : {
          "stringUnit" : {
            "state" : "translated",
            "value" : "Key"
          }
        }
      }
    })");
    std::vector<UnitRecord> rows = unitsOf(bytes, language);
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].tget = u"T"_s + QString::number(i);
    const CatalogSave::Result saved = CatalogSave::pack(bytes, language, rows);
    QVERIFY2(saved.bytes, qPrintable(saved.errorString));
    QVERIFY(saved.unplaced.empty());
    if (expected.startsWith('{'))
        QCOMPARE(QString::fromUtf8(*saved.bytes), QString::fromUtf8(expected));
    else
        QVERIFY2(saved.bytes->contains(expected), saved.bytes->constData());
    QVERIFY(xcodeLayout(*saved.bytes) == *saved.bytes);
}

void TestCatalogShapes::duplicateKeyEditsFirstCopy()
{
    const QByteArray second = R"(,
    "Done" : {
      "localizations" : {
        "de" : {
          "stringUnit" : {
            "state" : "new",
            "value" : ""
          }
        }
      }
    })";
    const QByteArray bytes = catalog(R"(    "Done" : {
      "localizations" : {
        "de" : {
          "stringUnit" : {
            "state" : "translated",
            "value" : "Fertig"
          }
        }
      }
    })" + second);
    std::vector<UnitRecord> rows = unitsOf(bytes, u"de"_s);
    QCOMPARE(rows.size(), std::size_t(1));
    QCOMPARE(CatalogSave::pack(bytes, u"de"_s, rows).bytes, std::optional(bytes));
    rows[0].tget = u"Erledigt"_s;
    const CatalogSave::Result saved = CatalogSave::pack(bytes, u"de"_s, rows);
    QVERIFY(saved.bytes);
    QByteArray expected = bytes;
    expected.replace("Fertig", "Erledigt");
    QCOMPARE(*saved.bytes, expected);
    QVERIFY(saved.bytes->endsWith(second + "\n  },\n  \"version\" : \"1.0\"\n}"));
}

void TestCatalogShapes::refusals()
{
    const QByteArray bytes = catalog(R"(    "Key" : {
      "localizations" : "not an object"
    })");
    std::vector<UnitRecord> rows = unitsOf(bytes, u"de"_s);
    QCOMPARE(rows.size(), std::size_t(1));
    rows[0].tget = u"Schlüssel"_s;
    UnitRecord stranger = rows[0];
    stranger.name = u"Gone"_s;
    rows.push_back(stranger);
    const CatalogSave::Result saved = CatalogSave::pack(bytes, u"de"_s, rows);
    QVERIFY(saved.bytes);
    QCOMPARE(*saved.bytes, bytes);
    QCOMPARE(saved.unplaced, (std::vector<std::size_t>{0, 1}));
    QVERIFY(!CatalogSave::pack("{\"strings\" : {}}", u"de"_s, {}).bytes);
    QVERIFY(!CatalogSave::pack("{", u"de"_s, {}).bytes);
}

void TestCatalogShapes::diffSeesChangesOutsideTheLanguage_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("where"); ///< null: only the language changed

    QTest::newRow("the language's value") << QByteArray("Weiter") << QByteArray("Los") << QString();
    QTest::newRow("the language removed")
        << QByteArray(R"("de":{"stringUnit":{"state":"translated","value":"Weiter"}},)")
        << QByteArray() << QString();
    QTest::newRow("another language")
        << QByteArray("\"value\":\"Next\"") << QByteArray("\"value\":\"Onward\"")
        << u"strings › Next › en"_s;
    QTest::newRow("a comment") << QByteArray("\"c\"") << QByteArray("\"d\"")
                               << u"strings › Next › comment"_s;
    QTest::newRow("a key") << QByteArray("\"Next\"") << QByteArray("\"Later\"")
                           << u"strings › Next"_s;
    QTest::newRow("the version") << QByteArray("1.0") << QByteArray("1.1") << u"version"_s;
    QTest::newRow("a final newline")
        << QByteArray("\"1.0\"}") << QByteArray("\"1.0\"}\n") << u"(around the catalog)"_s;
}

void TestCatalogShapes::diffSeesChangesOutsideTheLanguage()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, where);
    const QByteArray original =
        R"({"sourceLanguage":"en","strings":{"Next":{"comment":"c","localizations":{)"
        R"("de":{"stringUnit":{"state":"translated","value":"Weiter"}},)"
        R"("en":{"stringUnit":{"state":"translated","value":"Next"}}}}},"version":"1.0"})";
    QByteArray edited = original;
    edited.replace(original.indexOf(from), from.size(), to);
    const CatalogDocument::Parsed a = CatalogDocument::parse(original);
    const CatalogDocument::Parsed b = CatalogDocument::parse(edited);
    QVERIFY(a.document && b.document);
    const CatalogDiff::Result diff =
        CatalogDiff::compare(*a.document, original, *b.document, edited, u"de"_s);
    QCOMPARE(diff.onlyLanguage, where.isNull());
    QCOMPARE(diff.where, where);
}

QTEST_GUILESS_MAIN(TestCatalogShapes)
#include "tst_catalogshapes.moc"
