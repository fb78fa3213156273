// The Puzzelhulp window's rows as Qt's model tester checks a model: a new answer, rows
// fetched in batches, the columns and headers of the search that gave them, and clearing.
// The tester watches each answer from its first batch on: this Qt's tester fetches more
// itself while it still counts a reset as going on, and would report its own fetch.
#include <QAbstractItemModelTester>
#include <QTest>
#include <memory>

#include "puzzlehelp/result_rows_model.h"

using namespace taalspoor;

class ResultRowsModelTest : public QObject {
    Q_OBJECT
private slots:
    void batches_columns_and_headers();
};

void ResultRowsModelTest::batches_columns_and_headers() {
    ResultRowsModel model;
    const auto watched = [&] {
        return std::make_unique<QAbstractItemModelTester>(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    };
    const SolverSearch& anagrams = *solver_search("anagrammen");
    SolverOutcome outcome{.search = &anagrams};
    for (int k = 0; k < 450; ++k) outcome.rows.push_back({"spoor\ttaal" + std::to_string(k), {}, {}, static_cast<std::uint32_t>(k)});
    outcome.in_all = outcome.rows.size();
    model.set_outcome(std::make_shared<const SolverOutcome>(outcome));
    QCOMPARE(model.rowCount(), ResultRowsModel::batch);
    auto tester = watched();  // fetches one batch itself
    QCOMPARE(model.data(model.index(0, ResultRowsModel::text_column), Qt::DisplayRole).toString(),
             QStringLiteral("spoor · taal0"));
    QCOMPARE(model.headerData(ResultRowsModel::text_column, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("Combinatie"));
    QVERIFY(!model.has_column(ResultRowsModel::leftover_column) && model.has_column(ResultRowsModel::commonness_column));
    while (model.canFetchMore({})) model.fetchMore({});
    QCOMPARE(model.rowCount(), 450);

    tester.reset();
    SolverOutcome rack{.search = solver_search("uit"), .rows = {{"kat", ".", {}, 3}}, .in_all = 1};
    model.set_outcome(std::make_shared<const SolverOutcome>(rack));
    tester = watched();
    QCOMPARE(model.rowCount(), 1);
    QVERIFY(model.has_column(ResultRowsModel::leftover_column));
    QCOMPARE(model.data(model.index(0, ResultRowsModel::leftover_column), Qt::DisplayRole).toString(), QStringLiteral("."));
    tester.reset();
    model.clear();
    tester = watched();
    QCOMPARE(model.rowCount(), 0);
}

QTEST_MAIN(ResultRowsModelTest)
#include "result_rows_model_test.moc"
