#include "ui_mainwindow.h"
#include "wizard/mainwindow.h"

#include <QPixmap>

void MainWindow::loadPartImage(int partIndex)
{
    Q_UNUSED(partIndex)
}

void MainWindow::releaseImages()
{
    qDeleteAll(partImages);
    partImages.clear();
    delete uniformImage;
    uniformImage = nullptr;
}

void MainWindow::on_pushButton3CaboForca_clicked()
{
    loadPartImage(0);
}

void MainWindow::on_pushButtonMonitor_clicked()
{
    loadPartImage(1);
}

void MainWindow::on_pushButton3Controles_clicked()
{
    loadPartImage(2);
}

void MainWindow::on_pushButton3Botoes_clicked()
{
    loadPartImage(3);
}

void MainWindow::on_pushButton3Filtro_clicked()
{
    loadPartImage(4);
}

void MainWindow::on_pushButton3Trasdutores_clicked()
{
    loadPartImage(5);
}

void MainWindow::on_comboBoxImage_currentIndexChanged(int index)
{
    Q_UNUSED(index)
}

void MainWindow::on_pushButtonPartImgClear_clicked() {}

void MainWindow::on_pushButtonLoadUniImg_clicked() {}

void MainWindow::on_pushButtonUniformImgClear_clicked() {}

void MainWindow::on_comboBox4ImgUnifor_currentIndexChanged(int index)
{
    Q_UNUSED(index)
}

void MainWindow::on_plainTextEdit4_textChanged() {}
