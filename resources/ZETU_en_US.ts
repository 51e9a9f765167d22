<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="pt_BR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Sobre o ZETU</source>
        <translation>About ZETU</translation>
    </message>
    <message>
        <source>Controle de Qualidade - Ultrassom modo B</source>
        <translation>Quality Control - B-mode Ultrasound</translation>
    </message>
    <message>
        <source>Licença: GNU GPL versão 3 ou posterior (GPL-3.0-or-later)</source>
        <translation>Licence: GNU GPL version 3 or later (GPL-3.0-or-later)</translation>
    </message>
    <message>
        <source>Bibliotecas em uso</source>
        <translation>Libraries in use</translation>
    </message>
    <message>
        <source>Arquivos</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>ZETU %1</source>
        <translation>ZETU %1</translation>
    </message>
    <message>
        <source>Qt %1
%2
qpdf %3</source>
        <translation>Qt %1
%2
qpdf %3</translation>
    </message>
    <message>
        <source>Banco de dados: %1
Configurações: %2</source>
        <translation>Database: %1
Settings: %2</translation>
    </message>
    <message>
        <source>Qt %1
Assinatura digital indisponível: o módulo %2 não pôde ser carregado.</source>
        <translation>Qt %1
Digital signatures unavailable: the module %2 could not be loaded.</translation>
    </message>
</context>
<context>
    <name>AuditDialog</name>
    <message>
        <source>Registro de alterações das tolerâncias</source>
        <translation>Tolerance change log</translation>
    </message>
    <message>
        <source>Escolhas de linha de base, conjuntos de tolerâncias criados e alterados e conjuntos escolhidos para cada equipamento, com quem fez cada alteração e por quê.</source>
        <translation>Baselines chosen, tolerance sets created and changed, and the set chosen for each scanner, with who made each change and why.</translation>
    </message>
    <message>
        <source>Nenhuma alteração registrada.</source>
        <translation>No change recorded.</translation>
    </message>
    <message>
        <source>Copia as linhas selecionadas como texto (Ctrl+C)</source>
        <translation>Copies the selected rows as text (Ctrl+C)</translation>
    </message>
    <message>
        <source>&amp;Copiar</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Quando</source>
        <translation>When</translation>
    </message>
    <message>
        <source>Quem</source>
        <translation>Who</translation>
    </message>
    <message>
        <source>O quê</source>
        <translation>What</translation>
    </message>
    <message>
        <source>Por quê</source>
        <translation>Why</translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>O registro de alterações não pôde ser lido: %1.</source>
        <translation>The change log could not be read: %1.</translation>
    </message>
</context>
<context>
    <name>ChangeReasonDialog</name>
    <message>
        <source>Registrar alteração</source>
        <translation>Record a change</translation>
    </message>
    <message>
        <source>&amp;Responsável</source>
        <translation>&amp;Responsible</translation>
    </message>
    <message>
        <source>&amp;Motivo</source>
        <translation>&amp;Reason</translation>
    </message>
    <message>
        <source>ex.: após reparo do transdutor, novo fantoma</source>
        <translation>e.g. after a repair of the transducer, a new phantom</translation>
    </message>
</context>
<context>
    <name>DataBase</name>
    <message>
        <source>Servidor da equipe</source>
        <translation>Team server</translation>
    </message>
    <message>
        <source>Senha de %1 no servidor %2:</source>
        <translation>Password of %1 on the server %2:</translation>
    </message>
    <message>
        <source>Senha recusada pelo servidor.</source>
        <translation>The server refused the password.</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>A cópia de segurança escolhida não pôde ser posta no lugar de %1 (%2). Ela continua guardada como %3 e será tentada de novo no próximo início.</source>
        <translation>The chosen backup copy could not take the place of %1 (%2). It is still kept as %3 and will be tried again at the next start.</translation>
    </message>
    <message>
        <source>A cópia de segurança escolhida foi restaurada.</source>
        <translation>The chosen backup copy has been restored.</translation>
    </message>
    <message>
        <source>A cópia de segurança escolhida foi restaurada. O arquivo anterior foi guardado como %1.</source>
        <translation>The chosen backup copy has been restored. The previous file was kept as %1.</translation>
    </message>
    <message>
        <source>%1 está em uso por outro programa ou outra cópia do ZETU. Tente de novo em alguns instantes.</source>
        <translation>%1 is in use by another program or another copy of ZETU. Try again in a few moments.</translation>
    </message>
    <message>
        <source>Exportar inspeções</source>
        <translation>Export inspections</translation>
    </message>
    <message>
        <source>As inspeções não puderam ser lidas de %1.</source>
        <translation>The inspections could not be read from %1.</translation>
    </message>
    <message>
        <source>inspecoes_%1.csv</source>
        <translation>inspections_%1.csv</translation>
    </message>
    <message>
        <source>zetu-copia-%1.db</source>
        <translation>zetu-backup-%1.db</translation>
    </message>
    <message>
        <source>Cópia de segurança</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Banco de dados ZETU (*.db)</source>
        <translation>ZETU database (*.db)</translation>
    </message>
    <message>
        <source>Escolha outro arquivo: %1 é o próprio banco de dados.</source>
        <translation>Choose another file: %1 is the database itself.</translation>
    </message>
    <message>
        <source>A cópia de segurança foi gravada em %1.</source>
        <translation>The backup copy was written to %1.</translation>
    </message>
    <message>
        <source>A cópia de segurança não pôde ser gravada em %1 (%2).</source>
        <translation>The backup copy could not be written to %1 (%2).</translation>
    </message>
    <message>
        <source>Restaurar cópia de segurança</source>
        <translation>Restore backup</translation>
    </message>
    <message>
        <source>Banco de dados ZETU (*.db);;Todos os arquivos (*)</source>
        <translation>ZETU database (*.db);;All files (*)</translation>
    </message>
    <message>
        <source>Usar %1 no lugar de %2 a partir do próximo início do programa? O arquivo atual será guardado ao lado dele, com a data no nome.</source>
        <translation>Use %1 in place of %2 from the next start of the program? The current file will be kept beside it, with the date in its name.</translation>
    </message>
    <message>
        <source>A cópia foi conferida e entrará em uso no próximo início. Feche o programa (e as outras cópias abertas) e abra-o de novo.</source>
        <translation>The copy was checked and will be used from the next start. Close the program (and any other copy that is open) and open it again.</translation>
    </message>
    <message>
        <source>%1 não é uma cópia de segurança que o programa possa usar (%2). Nada foi mudado.</source>
        <translation>%1 is not a backup copy the program can use (%2). Nothing was changed.</translation>
    </message>
    <message>
        <source>Enviar para o servidor</source>
        <translation>Send to the server</translation>
    </message>
    <message>
        <source>Nada de %1 foi enviado ao servidor (%2).</source>
        <translation>Nothing of %1 was sent to the server (%2).</translation>
    </message>
    <message>
        <source>o servidor está ocupado ou fora de alcance; tente de novo em instantes</source>
        <translation>the server is busy or out of reach; try again in a moment</translation>
    </message>
    <message>
        <source>equipamentos</source>
        <translation>scanners</translation>
    </message>
    <message>
        <source>transdutores</source>
        <translation>transducers</translation>
    </message>
    <message>
        <source>versões de conjuntos de tolerâncias</source>
        <translation>versions of tolerance sets</translation>
    </message>
    <message>
        <source>inspeções</source>
        <translation>inspections</translation>
    </message>
    <message>
        <source>escolhas de conjunto</source>
        <translation>choices of set</translation>
    </message>
    <message>
        <source>linhas de base</source>
        <translation>baselines</translation>
    </message>
    <message>
        <source>registros de alterações</source>
        <translation>audit trail entries</translation>
    </message>
    <message>
        <source>%1: %2 novos, %3 já estavam no servidor</source>
        <translation>%1: %2 new, %3 already on the server</translation>
    </message>
    <message>
        <source>%1 foi enviado ao servidor; nada foi apagado dele.</source>
        <translation>%1 was sent to the server; nothing was deleted from it.</translation>
    </message>
    <message>
        <source>Tente de novo em instantes.</source>
        <translation>Try again in a moment.</translation>
    </message>
    <message>
        <source>As inspeções não puderam ser lidas (veja o registro do programa).</source>
        <translation>The inspections could not be read (see the program&apos;s log).</translation>
    </message>
</context>
<context>
    <name>DatabaseCopy</name>
    <message>
        <source>não tem a tabela de equipamentos</source>
        <translation>it has no table of equipment</translation>
    </message>
    <message>
        <source>guarda inspeções de outra versão do programa</source>
        <translation>it keeps inspections of another version of the program</translation>
    </message>
</context>
<context>
    <name>Due</name>
    <message>
        <source>vencida</source>
        <translation>overdue</translation>
    </message>
    <message>
        <source>em breve</source>
        <translation>soon</translation>
    </message>
    <message>
        <source>nunca inspecionado</source>
        <translation>never inspected</translation>
    </message>
</context>
<context>
    <name>EquipmentList</name>
    <message>
        <source>O arquivo zetu.db está ocupado por outro programa. A lista aparece assim que ele for liberado.</source>
        <translation>The file zetu.db is busy in another program. The list appears as soon as it is released.</translation>
    </message>
    <message>
        <source>Instituição</source>
        <translation>Institution</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Modelo</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Fabricante</source>
        <translation>Manufacturer</translation>
    </message>
    <message>
        <source>Tem certeza que deseja remover o registro?</source>
        <translation>Do you really want to remove this record?</translation>
    </message>
    <message>
        <source>Tem certeza que deseja remover o registro de %1 (%2)? A inspeção guardada deste equipamento também será apagada.</source>
        <translation>Do you really want to remove the record of %1 (%2)? The stored inspection of this equipment will be deleted as well.</translation>
    </message>
    <message>
        <source>Tem certeza que deseja remover o registro de %1 (%2)? As %3 inspeções guardadas deste equipamento também serão apagadas.</source>
        <translation>Do you really want to remove the record of %1 (%2)? The %3 stored inspections of this equipment will be deleted as well.</translation>
    </message>
    <message>
        <source>Próxima inspeção</source>
        <translation>Next inspection</translation>
    </message>
    <message numerus="yes">
        <source>%n transdutores com inspeção vencida</source>
        <translation>
            <numerusform>%n transducer with an overdue inspection</numerusform>
            <numerusform>%n transducers with an overdue inspection</numerusform>
        </translation>
    </message>
    <message>
        <source>Mostra primeiro os equipamentos com inspeção vencida</source>
        <translation>Shows the equipment with overdue inspections first</translation>
    </message>
    <message>
        <source>O servidor da equipe não responde. A lista aparece assim que ele voltar.</source>
        <translation>The team&apos;s server does not answer. The list appears as soon as it is back.</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Histórico de inspeções</source>
        <translation>Inspection history</translation>
    </message>
    <message>
        <source>Inspeções do equipamento %1</source>
        <translation>Inspections of the equipment %1</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Técnico</source>
        <translation>Technician</translation>
    </message>
    <message>
        <source>Estado</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Reprovados</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>Relatório PDF</source>
        <translation>PDF report</translation>
    </message>
    <message>
        <source>Nenhuma inspeção guardada para este equipamento.</source>
        <translation>No inspection kept for this equipment.</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Apagar</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Relatório salvo</source>
        <translation>Report saved</translation>
    </message>
    <message>
        <source>Rascunho</source>
        <translation>Draft</translation>
    </message>
    <message>
        <source>Apagar a inspeção de %1? Ela não poderá ser recuperada.</source>
        <translation>Delete the inspection of %1? It cannot be recovered.</translation>
    </message>
    <message>
        <source>Assinado por %1</source>
        <translation>Signed by %1</translation>
    </message>
    <message>
        <source>Alterada</source>
        <translation>Changed</translation>
    </message>
    <message>
        <source>Alterada após o relatório</source>
        <translation>Changed after its report</translation>
    </message>
    <message>
        <source>Relatório</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>%1 de %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Exportar (CSV)…</source>
        <translation>Export (CSV)…</translation>
    </message>
    <message>
        <source>inspecoes_%1_%2.csv</source>
        <translation>inspections_%1_%2.csv</translation>
    </message>
    <message>
        <source>Exportar inspeções</source>
        <translation>Export inspections</translation>
    </message>
    <message>
        <source>Planilha CSV (*.csv)</source>
        <translation>CSV spreadsheet (*.csv)</translation>
    </message>
    <message>
        <source>O arquivo %1 não pôde ser gravado (%2).</source>
        <translation>The file %1 could not be written (%2).</translation>
    </message>
    <message>
        <source>Inspeções exportadas: %1, para o arquivo %2.</source>
        <translation>Inspections exported: %1, to the file %2.</translation>
    </message>
    <message>
        <source>&amp;Transdutor:</source>
        <translation>&amp;Transducer:</translation>
    </message>
    <message>
        <source>Transdutor</source>
        <translation>Transducer</translation>
    </message>
    <message>
        <source>Todos</source>
        <translation>All</translation>
    </message>
    <message>
        <source>(retirado)</source>
        <translation>(retired)</translation>
    </message>
    <message>
        <source>Sem transdutor</source>
        <translation>No transducer</translation>
    </message>
    <message>
        <source>Abre o PDF salvo no leitor de PDF</source>
        <translation>Opens the saved PDF in the PDF viewer</translation>
    </message>
    <message>
        <source>Abrir PDF</source>
        <translation>Open PDF</translation>
    </message>
    <message>
        <source>Torna a inspeção escolhida a linha de base do seu transdutor (após reparo, novo fantoma)</source>
        <translation>Makes the chosen inspection its transducer&apos;s baseline (after a repair, a new phantom)</translation>
    </message>
    <message>
        <source>Linha de base…</source>
        <translation>Baseline…</translation>
    </message>
    <message>
        <source>Linha de base</source>
        <translation>Baseline</translation>
    </message>
    <message>
        <source>Linha de base até %1</source>
        <translation>Baseline until %1</translation>
    </message>
    <message>
        <source>Linha de base desde %1, por %2: %3</source>
        <translation>Baseline since %1, by %2: %3</translation>
    </message>
    <message>
        <source>Linha de base: a primeira inspeção relatada do transdutor</source>
        <translation>Baseline: the transducer&apos;s first reported inspection</translation>
    </message>
    <message>
        <source>A inspeção de %1 passa a ser a linha de base de %2. As inspeções seguintes deste transdutor serão comparadas com ela; as anteriores e seus relatórios não mudam.</source>
        <translation>The inspection of %1 becomes the baseline of %2. The transducer&apos;s next inspections will be compared with it; earlier ones and their reports do not change.</translation>
    </message>
    <message>
        <source>Devolvida por %1 em %2: %3</source>
        <translation>Returned by %1 on %2: %3</translation>
    </message>
    <message>
        <source>A linha de base não foi alterada. Tente de novo em instantes.</source>
        <translation>The baseline was not changed. Try again in a moment.</translation>
    </message>
    <message>
        <source>A linha de base não pôde ser alterada (veja o registro do programa).</source>
        <translation>The baseline could not be changed (see the program&apos;s log).</translation>
    </message>
    <message>
        <source>Não foi possível apagar a inspeção (veja o registro do programa).</source>
        <translation>The inspection could not be deleted (see the program&apos;s log).</translation>
    </message>
</context>
<context>
    <name>ImageSteps</name>
    <message>
        <source>Abrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Arquivos de imagens</source>
        <translation>Image files</translation>
    </message>
</context>
<context>
    <name>InsertEquip</name>
    <message>
        <source>Equipamento</source>
        <translation>Equipment</translation>
    </message>
    <message>
        <source>Instituição</source>
        <translation>Institution</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Modelo</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Fabricante</source>
        <translation>Manufacturer</translation>
    </message>
    <message>
        <source>Adicionar</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Erro</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Todos os campos devem ser preenchidos</source>
        <translation>All the fields must be filled</translation>
    </message>
    <message>
        <source>Não é permitido ID duplicado para a mesma Instituição.</source>
        <translation>It is not allowed a duplicated ID for the same institution.</translation>
    </message>
    <message>
        <source>Não foi possível salvar o registro em zetu.db.</source>
        <translation>The record could not be saved to zetu.db.</translation>
    </message>
    <message>
        <source>Não foi possível salvar o registro no servidor da equipe.</source>
        <translation>The record could not be saved on the team&apos;s server.</translation>
    </message>
</context>
<context>
    <name>Inspection</name>
    <message>
        <source>altura</source>
        <translation>height</translation>
    </message>
    <message>
        <source>largura</source>
        <translation>width</translation>
    </message>
    <message>
        <source>área</source>
        <translation>area</translation>
    </message>
    <message>
        <source>distância vertical %1 a %2 dB</source>
        <translation>vertical distance %1 at %2 dB</translation>
    </message>
    <message>
        <source>distância horizontal %1 a %2 cm, %3 dB</source>
        <translation>horizontal distance %1 at %2 cm, %3 dB</translation>
    </message>
    <message>
        <source>zona focal a %1 dB</source>
        <translation>focal zone at %1 dB</translation>
    </message>
    <message>
        <source>penetração máxima a %1 dB</source>
        <translation>maximum penetration at %1 dB</translation>
    </message>
    <message>
        <source>anecoica</source>
        <translation>anechoic</translation>
    </message>
    <message>
        <source>hiperecoica</source>
        <translation>hyperechoic</translation>
    </message>
    <message>
        <source>%1 da massa %2 a %3 cm, %4 dB</source>
        <translation>%1 of the %2 mass at %3 cm, %4 dB</translation>
    </message>
</context>
<context>
    <name>InspectionCsv</name>
    <message>
        <source>anecoica</source>
        <translation>anechoic</translation>
    </message>
    <message>
        <source>hiperecoica</source>
        <translation>hyperechoic</translation>
    </message>
    <message>
        <source>Instituição</source>
        <translation>Institution</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Modelo</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Fabricante</source>
        <translation>Manufacturer</translation>
    </message>
    <message>
        <source>Data da inspeção</source>
        <translation>Inspection date</translation>
    </message>
    <message>
        <source>Alterada em</source>
        <translation>Changed on</translation>
    </message>
    <message>
        <source>Responsável técnico</source>
        <translation>Responsible technician</translation>
    </message>
    <message>
        <source>Estado</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Relatório (PDF)</source>
        <translation>Report (PDF)</translation>
    </message>
    <message>
        <source>Uniformidade da imagem</source>
        <translation>Image uniformity</translation>
    </message>
    <message>
        <source>Inomogeneidade</source>
        <translation>Inhomogeneity</translation>
    </message>
    <message>
        <source>Transdutor</source>
        <translation>Transducer</translation>
    </message>
    <message>
        <source>Frequência (MHz)</source>
        <translation>Frequency (MHz)</translation>
    </message>
    <message>
        <source> (mm²)</source>
        <translation> (mm²)</translation>
    </message>
    <message>
        <source> (mm)</source>
        <translation> (mm)</translation>
    </message>
    <message>
        <source>Massa %1 a %2 cm, %3 dB medida</source>
        <translation>%1 mass at %2 cm, %3 dB measured</translation>
    </message>
    <message>
        <source>sim</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>não</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Resultado: %1</source>
        <translation>Result: %1</translation>
    </message>
    <message>
        <source>aprovado</source>
        <translation>passed</translation>
    </message>
    <message>
        <source>reprovado</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>sem linha de base</source>
        <translation>no baseline</translation>
    </message>
</context>
<context>
    <name>InspectionSession</name>
    <message>
        <source>Inspeção recuperada</source>
        <translation>Inspection recovered</translation>
    </message>
    <message>
        <source>O arquivo zetu.db estava ocupado quando o programa foi fechado. Os valores da inspeção ficaram em %1 e agora foram gravados em zetu.db.</source>
        <translation>The file zetu.db was busy when the program was closed. The inspection&apos;s values were kept in %1 and have now been written to zetu.db.</translation>
    </message>
    <message>
        <source>Continuar a inspeção não concluída de %1 de %2?</source>
        <translation>Continue the unfinished inspection of %1 from %2?</translation>
    </message>
    <message>
        <source>Inspeção não concluída</source>
        <translation>Unfinished inspection</translation>
    </message>
    <message>
        <source>Inspeção alterada em outra cópia</source>
        <translation>Inspection changed in another copy</translation>
    </message>
    <message>
        <source>Inspeções não serão guardadas</source>
        <translation>Inspections will not be kept</translation>
    </message>
    <message>
        <source>Selecione um equipamento</source>
        <translation>Select an equipment</translation>
    </message>
    <message>
        <source>Nova inspeção</source>
        <translation>New inspection</translation>
    </message>
    <message>
        <source>Os valores da inspeção atual não são guardados e serão perdidos. Começar uma nova inspeção?</source>
        <translation>The values of the current inspection are not kept and will be lost. Start a new inspection?</translation>
    </message>
    <message>
        <source>todos os valores (dados ilegíveis)</source>
        <translation>all values (unreadable data)</translation>
    </message>
    <message>
        <source>Inspeção restaurada</source>
        <translation>Inspection restored</translation>
    </message>
    <message>
        <source>Estes valores não puderam ser restaurados e ficaram como no início:
%1</source>
        <translation>These values could not be restored and were left as at the start:
%1</translation>
    </message>
    <message>
        <source>Abrir inspeção</source>
        <translation>Open inspection</translation>
    </message>
    <message>
        <source>O assistente tem valores que não estão em nenhum relatório salvo. Abrir a inspeção de %1 no lugar deles? Eles continuam no histórico como rascunho.</source>
        <translation>The wizard holds values that are in no saved report. Open the inspection of %1 in their place? They stay in the history as a draft.</translation>
    </message>
    <message>
        <source>O arquivo %1 está danificado ou não é um banco de dados (%2). Nada será gravado nele. Restaure uma cópia de segurança de zetu.db e guarde o arquivo danificado, que pode servir para recuperar os dados. Até lá nenhuma inspeção será guardada: ao fechar o programa, os valores digitados ficam em %3.</source>
        <translation>The file %1 is damaged or is not a database (%2). Nothing will be written to it. Restore a backup copy of zetu.db and keep the damaged file, which may help to recover the data. Until then no inspection will be kept: when the program is closed, the values typed are kept in %3.</translation>
    </message>
    <message>
        <source>O arquivo %1 não pode ser gravado (%2). O assistente funciona normalmente, mas nenhuma inspeção será guardada nele: ao fechar o programa, os valores digitados ficam em %3.</source>
        <translation>The file %1 cannot be written (%2). The wizard works as usual, but no inspection will be kept in it: when the program is closed, the values typed are kept in %3.</translation>
    </message>
    <message>
        <source>O arquivo zetu.db tem uma tabela &quot;inspection&quot; que não foi criada por esta versão do programa; ela foi deixada como está. O assistente funciona normalmente, mas nenhuma inspeção será guardada nele: ao fechar o programa, os valores digitados ficam em %1.</source>
        <translation>The file zetu.db has a table &quot;inspection&quot; that was not made by this version of the program; it has been left as it is. The wizard works as usual, but no inspection will be kept in it: when the program is closed, the values typed are kept in %1.</translation>
    </message>
    <message>
        <source>Inspeção não recuperada</source>
        <translation>Inspection not recovered</translation>
    </message>
    <message>
        <source>O arquivo %1, que guardava valores de inspeções para zetu.db, não pôde ser lido: está danificado ou não é um arquivo comum. Nada dele foi gravado em zetu.db. Ele foi guardado como %2, para uma possível recuperação.</source>
        <translation>The file %1, which held values of inspections for zetu.db, could not be read: it is damaged or is not a regular file. Nothing of it was written to zetu.db. It has been kept as %2, for a possible recovery.</translation>
    </message>
    <message>
        <source>Inspeção guardada à parte</source>
        <translation>Inspection kept apart</translation>
    </message>
    <message>
        <source>O arquivo zetu.db não pôde guardar a inspeção. Os valores dela foram guardados em %1. Quando zetu.db puder ser gravado, copie esse arquivo para a pasta de zetu.db com o nome zetu.db.recovery: o programa os grava em zetu.db ao iniciar.</source>
        <translation>The file zetu.db could not keep the inspection. Its values have been kept in %1. Once zetu.db can be written, copy that file into the folder of zetu.db under the name zetu.db.recovery: the program writes them into zetu.db when it starts.</translation>
    </message>
    <message>
        <source>Inspeção não guardada</source>
        <translation>Inspection not kept</translation>
    </message>
    <message>
        <source>Os valores da inspeção não puderam ser guardados em %1 e se perdem ao fechar o programa.</source>
        <translation>The values of the inspection could not be kept in %1 and are lost when the program is closed.</translation>
    </message>
    <message>
        <source>todos os valores (mais do que o limite de %1 MB)</source>
        <translation>all the values (more than the limit of %1 MB)</translation>
    </message>
    <message>
        <source>A inspeção de %1 está aberta em outra cópia do programa e não foi aberta aqui. Feche-a na outra cópia e tente de novo; se aquela cópia parou sem fechar, a inspeção fica livre %2 minutos depois.</source>
        <translation>The inspection of %1 is open in another copy of the program and has not been opened here. Close it in the other copy and try again; if that copy stopped without closing, the inspection is free %2 minutes later.</translation>
    </message>
    <message>
        <source>Inspeção devolvida</source>
        <translation>Inspection returned</translation>
    </message>
    <message>
        <source>%1 devolveu esta inspeção em %2 com a nota:

%3

Corrija-a e salve o relatório de novo: ela volta a aguardar revisão.</source>
        <translation>%1 returned this inspection on %2 with the note:

%3

Correct it and save the report again: it will await review again.</translation>
    </message>
    <message>
        <source>O servidor da equipe não deixa gravar as inspeções (%1). O assistente funciona normalmente, mas nenhuma inspeção será guardada nele: ao fechar o programa, os valores digitados ficam em %2.</source>
        <translation>The team&apos;s server does not let inspections be written (%1). The wizard works normally, but no inspection will be kept on it: when the program is closed, the values typed are kept in %2.</translation>
    </message>
    <message>
        <source>O servidor da equipe tem as tabelas de uma versão mais nova do programa; elas foram deixadas como estão. O assistente funciona normalmente, mas nenhuma inspeção será guardada nelas: ao fechar o programa, os valores digitados ficam em %1.</source>
        <translation>The team&apos;s server has the tables of a newer version of the program; they were left as they are. The wizard works normally, but no inspection will be kept in them: when the program is closed, the values typed are kept in %1.</translation>
    </message>
    <message>
        <source>O arquivo %1, que guardava valores de inspeções para o servidor da equipe, não pôde ser lido: está danificado ou não é um arquivo comum. Nada dele foi gravado no servidor. Ele foi guardado como %2, para uma possível recuperação.</source>
        <translation>The file %1, which held inspection values for the team&apos;s server, could not be read: it is damaged or not a regular file. Nothing of it was written to the server. It was kept as %2, for a possible recovery.</translation>
    </message>
    <message>
        <source>O servidor da equipe estava fora de alcance quando o programa foi fechado. Os valores da inspeção ficaram em %1 e agora foram gravados no servidor.</source>
        <translation>The team&apos;s server was out of reach when the program was closed. The inspection&apos;s values were kept in %1 and have now been written to the server.</translation>
    </message>
    <message>
        <source>O servidor da equipe não pôde guardar a inspeção. Os valores dela foram guardados em %1. Quando o servidor puder ser gravado, copie esse arquivo para a pasta do zetu.ini com o nome zetu.db.recovery: o programa os grava no servidor ao iniciar.</source>
        <translation>The team&apos;s server could not keep the inspection. Its values were kept in %1. When the server can be written again, copy that file to the folder of zetu.ini with the name zetu.db.recovery: the program writes them to the server when it starts.</translation>
    </message>
    <message>
        <source>Outra cópia do programa alterou esta inspeção. Para que nada se perca, os valores deste assistente foram guardados como um rascunho separado.</source>
        <translation>Another copy of the program has changed this inspection. So that nothing is lost, this wizard&apos;s values have been kept as a separate draft.</translation>
    </message>
    <message>
        <source>Tente de novo em instantes.</source>
        <translation>Try again in a moment.</translation>
    </message>
    <message>
        <source>As inspeções aparecem assim que ele for liberado.</source>
        <translation>The inspections appear as soon as it is released.</translation>
    </message>
</context>
<context>
    <name>Judgement</name>
    <message>
        <source>aprovado: %1, %2 ou %3</source>
        <translation>passes: %1, %2 or %3</translation>
    </message>
    <message>
        <source>aprovado até %1 (a %2 MHz)</source>
        <translation>passes up to %1 (at %2 MHz)</translation>
    </message>
    <message>
        <source>média entre %1 e %2 mm</source>
        <translation>mean between %1 and %2 mm</translation>
    </message>
    <message>
        <source>altura/largura entre %1 e %2</source>
        <translation>height/width between %1 and %2</translation>
    </message>
    <message>
        <source>área entre %1 e %2 mm²</source>
        <translation>area between %1 and %2 mm²</translation>
    </message>
    <message>
        <source>alvo de %1 mm, área nominal %2 mm²; aprovado: %3, %4</source>
        <translation>%1 mm target, nominal area %2 mm²; passes: %3, %4</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>ZETU</source>
        <translation>ZETU</translation>
    </message>
    <message>
        <source>Equipamento</source>
        <translation>Equipment</translation>
    </message>
    <message>
        <source>1 / 8</source>
        <translation>1 / 8</translation>
    </message>
    <message>
        <source>Anterior</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Próximo</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Novo</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Editar</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Apagar</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Português</source>
        <translation>Portuguese</translation>
    </message>
    <message>
        <source>Inglês</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Cabos de força</source>
        <translation>Power cables</translation>
    </message>
    <message>
        <source>----------------</source>
        <translation>----------------</translation>
    </message>
    <message>
        <source>Ótimo</source>
        <translation>Great</translation>
    </message>
    <message>
        <source>Bom</source>
        <translation>Good</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Regular</translation>
    </message>
    <message>
        <source>Ruim</source>
        <translation>Bad</translation>
    </message>
    <message>
        <source>Péssimo</source>
        <translation>Terrible</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Otimo</source>
        <translation>Great</translation>
    </message>
    <message>
        <source>Controles</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>Botões</source>
        <translation>Buttons</translation>
    </message>
    <message>
        <source>Filtro de Poeira</source>
        <translation>Dust filter</translation>
    </message>
    <message>
        <source>Transdutores</source>
        <translation>Transducers</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p align=&quot;justify&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;*clique nos botões à esquerda para carregar as imagens do equipamento (opicional).&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>*click on the left buttons to load the equipment images (optional)</translation>
    </message>
    <message>
        <source>Filtro de poeira</source>
        <translation>Dust filter</translation>
    </message>
    <message>
        <source>Limpar imagem</source>
        <translation>Clear image</translation>
    </message>
    <message>
        <source>----------------------------</source>
        <translation>----------------------------</translation>
    </message>
    <message>
        <source>Imagem uniforme</source>
        <translation>The image is uniform</translation>
    </message>
    <message>
        <source>Apresenta poucas inomogeneidades sem que comprometa o diagnóstico</source>
        <translation>It appears a few image inhomogeneities which should not offer a risk to the diagnosis</translation>
    </message>
    <message>
        <source>Apresenta grandes inomogeneidades</source>
        <translation>It appears a considerable amount of image inhomogeneities</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Explique brevemente:&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Explain briefly:&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>000</source>
        <translation>000</translation>
    </message>
    <message>
        <source>/maximo 120</source>
        <translation>/maximum 120</translation>
    </message>
    <message>
        <source>Carregar imagem</source>
        <translation>Load image</translation>
    </message>
    <message>
        <source>Limpar</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Tipo de transdutor</source>
        <translation>Transducer type</translation>
    </message>
    <message>
        <source>Frequência</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Atenuação de 0,7 db</source>
        <translation>Attenuation at 0.7 dB</translation>
    </message>
    <message>
        <source>Zona Morta</source>
        <translation>Dead zone</translation>
    </message>
    <message>
        <source>----------</source>
        <translation>----------</translation>
    </message>
    <message>
        <source>1mm</source>
        <translation>1mm</translation>
    </message>
    <message>
        <source>2mm</source>
        <translation>2mm</translation>
    </message>
    <message>
        <source>3mm</source>
        <translation>3mm</translation>
    </message>
    <message>
        <source>4mm</source>
        <translation>4mm</translation>
    </message>
    <message>
        <source>5mm</source>
        <translation>5mm</translation>
    </message>
    <message>
        <source>Resolução Axial</source>
        <translation>Axial Resolution</translation>
    </message>
    <message>
        <source>&lt;0.5mm</source>
        <translation>&lt;0.5mm</translation>
    </message>
    <message>
        <source>Resolução Lateral</source>
        <translation>Lateral Resolution</translation>
    </message>
    <message>
        <source>Atenuação de 0,5 db</source>
        <translation>Attenuation at 0.5 dB</translation>
    </message>
    <message>
        <source>Atenuação de 0,5dB</source>
        <translation>Attenuation at 0.5 dB</translation>
    </message>
    <message>
        <source>Alvos na vertical</source>
        <translation>Vertical aims</translation>
    </message>
    <message>
        <source>1-2</source>
        <translation>1-2</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>2-3</source>
        <translation>2-3</translation>
    </message>
    <message>
        <source>3-4</source>
        <translation>3-4</translation>
    </message>
    <message>
        <source>4-5</source>
        <translation>4-5</translation>
    </message>
    <message>
        <source>5-6</source>
        <translation>5-6</translation>
    </message>
    <message>
        <source>6-7</source>
        <translation>6-7</translation>
    </message>
    <message>
        <source>7-8</source>
        <translation>7-8</translation>
    </message>
    <message>
        <source>8-9</source>
        <translation>8-9</translation>
    </message>
    <message>
        <source>9-10</source>
        <translation>9-10</translation>
    </message>
    <message>
        <source>Zona Focal </source>
        <translation>Focal Zone</translation>
    </message>
    <message>
        <source>Máxima penetração vertical </source>
        <translation>Maximum vertical depth</translation>
    </message>
    <message>
        <source>Atenuação de 0,7 dB</source>
        <translation>Attenuation at 0.7 dB</translation>
    </message>
    <message>
        <source>Conjunto à 3 cm</source>
        <translation>3cm points set</translation>
    </message>
    <message>
        <source>Distância entre os pontos (mm)</source>
        <translation>Distance between points (mm)</translation>
    </message>
    <message>
        <source>Atenuação - 0,5 dB</source>
        <translation>Attenuation - 0.5 dB</translation>
    </message>
    <message>
        <source>Atenuação - 0,7 dB</source>
        <translation>Attenuation - 0.7 dB</translation>
    </message>
    <message>
        <source>Conjunto à 9 cm</source>
        <translation>9cm points set</translation>
    </message>
    <message>
        <source>Anecóicas</source>
        <translation>Anechoic</translation>
    </message>
    <message>
        <source>0,5 dB</source>
        <translation>0.5 dB</translation>
    </message>
    <message>
        <source>2cm</source>
        <translation>2cm</translation>
    </message>
    <message>
        <source>4cm</source>
        <translation>4cm</translation>
    </message>
    <message>
        <source>6cm</source>
        <translation>6cm</translation>
    </message>
    <message>
        <source>8cm</source>
        <translation>8cm</translation>
    </message>
    <message>
        <source>Altura (mm)</source>
        <translation>Height (mm)</translation>
    </message>
    <message>
        <source>Largura (mm)</source>
        <translation>Width (mm)</translation>
    </message>
    <message>
        <source>Área (mm2)</source>
        <translation>Area (mm2)</translation>
    </message>
    <message>
        <source>0,7 dB</source>
        <translation>0.7 dB</translation>
    </message>
    <message>
        <source>Hiperecóicas</source>
        <translation>Hyperechoic</translation>
    </message>
    <message>
        <source>Responsável:</source>
        <translation>Specialist:</translation>
    </message>
    <message>
        <source>Data:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p align=&quot;justify&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:11pt; font-weight:600; color:#ff0000;&quot;&gt;Obs: &lt;/span&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;A validade do relatório é garantida somente pela assinatura do responsável técnico devidamente credenciado. O controle de qualidade não é garantido por este software.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>The report&apos;s validity is guaranteed only by the signature of the appropriately certified technician. Quality control is not guaranteed by this software.</translation>
    </message>
    <message>
        <source>Relatorio</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Gerar Relatório</source>
        <translation>Generate Report</translation>
    </message>
    <message>
        <source>Inspeções Físicas e Mecânicas</source>
        <translation>Physical and Mechanical Inspection</translation>
    </message>
    <message>
        <source>Uniformidade da imagem</source>
        <translation>Image Uniformity</translation>
    </message>
    <message>
        <source>Zona Morta / Resolução</source>
        <translation>Dead Zone / Resolution</translation>
    </message>
    <message>
        <source>Medidas na Vertical</source>
        <translation>Vertical Measurements</translation>
    </message>
    <message>
        <source>Medidas na Horizontal</source>
        <translation>Horizontal Measurements</translation>
    </message>
    <message>
        <source>Massas</source>
        <translation>Masses</translation>
    </message>
    <message>
        <source>Relatório</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Concluir</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Selecione um equipamento</source>
        <translation>Select an equipment</translation>
    </message>
    <message>
        <source>Selecione um valor para cada campo</source>
        <translation>Select a value to each field</translation>
    </message>
    <message>
        <source>Selecione um valor para a uniformidade</source>
        <translation>Select a value to the uniformity</translation>
    </message>
    <message>
        <source>Preencha o campo de texto
explicando a inomogeneidade</source>
        <translation>Fill the text field explaining the inhomogeneity</translation>
    </message>
    <message>
        <source>Preencha o campo transdutor</source>
        <translation>Fill the transducer field</translation>
    </message>
    <message>
        <source>Prencha o nome do responsável técnico</source>
        <translation>Fill the specialist person name</translation>
    </message>
    <message>
        <source>Inspeções guardadas do equipamento selecionado</source>
        <translation>Kept inspections of the selected equipment</translation>
    </message>
    <message>
        <source>Histórico…</source>
        <translation>History…</translation>
    </message>
    <message>
        <source>Evolução dos resultados do equipamento selecionado</source>
        <translation>Results of the selected equipment over time</translation>
    </message>
    <message>
        <source>Tendência…</source>
        <translation>Trend…</translation>
    </message>
    <message>
        <source>fotografia não encontrada: %1</source>
        <translation>photograph not found: %1</translation>
    </message>
    <message>
        <source>A imagem &quot;%1&quot; tem %2 × %3 pixels e precisaria de %4 MB de memória para ser aberta; o limite é de %5 MB.</source>
        <translation>The image &quot;%1&quot; has %2 × %3 pixels and would need %4 MB of memory to be opened; the limit is %5 MB.</translation>
    </message>
    <message>
        <source>fotografia é uma pasta: %1</source>
        <translation>photograph is a folder: %1</translation>
    </message>
    <message>
        <source>fotografia não é um arquivo comum (FIFO, dispositivo ou soquete): %1</source>
        <translation>photograph is not a regular file (FIFO, device or socket): %1</translation>
    </message>
    <message>
        <source>fotografia não pôde ser aberta (%2): %1</source>
        <translation>photograph could not be opened (%2): %1</translation>
    </message>
    <message>
        <source>fotografia não é uma imagem legível: %1</source>
        <translation>photograph is not a readable image: %1</translation>
    </message>
    <message>
        <source>Guarda a inspeção atual e começa outra do equipamento selecionado</source>
        <translation>Keeps the current inspection and starts another one of the selected equipment</translation>
    </message>
    <message>
        <source>Nova inspeção</source>
        <translation>New inspection</translation>
    </message>
    <message>
        <source>Digite o valor medido de %1.</source>
        <translation>Type the measured value of the %1.</translation>
    </message>
    <message numerus="yes">
        <source>Faltam %n valores nesta etapa.</source>
        <translation>
            <numerusform>%n value is missing on this step.</numerusform>
            <numerusform>%n values are missing on this step.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Arquivo</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Inspeção</source>
        <translation>&amp;Inspection</translation>
    </message>
    <message>
        <source>Aj&amp;uda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Exportar todas as inspeções (CSV)…</source>
        <translation>Export all inspections (CSV)…</translation>
    </message>
    <message>
        <source>Cópia de segurança…</source>
        <translation>Backup…</translation>
    </message>
    <message>
        <source>Restaurar cópia de segurança…</source>
        <translation>Restore backup…</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Voltar ao passo 1</source>
        <translation>Back to step 1</translation>
    </message>
    <message>
        <source>Sobre o ZETU…</source>
        <translation>About ZETU…</translation>
    </message>
    <message>
        <source>&amp;Transdutor:</source>
        <translation>&amp;Transducer:</translation>
    </message>
    <message>
        <source>O transdutor do equipamento selecionado que será inspecionado</source>
        <translation>The transducer of the selected equipment that will be inspected</translation>
    </message>
    <message>
        <source>Corrige os dados do transdutor escolhido</source>
        <translation>Corrects the data of the chosen transducer</translation>
    </message>
    <message>
        <source>Editar transdutor…</source>
        <translation>Edit transducer…</translation>
    </message>
    <message>
        <source>Remove o transdutor escolhido; um transdutor com inspeções guardadas é retirado e mantém o histórico</source>
        <translation>Removes the chosen transducer; a transducer with stored inspections is retired and keeps its history</translation>
    </message>
    <message>
        <source>Remover transdutor</source>
        <translation>Remove transducer</translation>
    </message>
    <message>
        <source>Conjuntos de tolerâncias e o conjunto pelo qual o equipamento selecionado é julgado</source>
        <translation>Tolerance sets, and the set the selected scanner is judged with</translation>
    </message>
    <message>
        <source>Tolerâncias…</source>
        <translation>Tolerances…</translation>
    </message>
    <message>
        <source>Registro de alterações das tolerâncias…</source>
        <translation>Tolerance change log…</translation>
    </message>
    <message>
        <source>Revisão…</source>
        <translation>Review…</translation>
    </message>
    <message>
        <source>Enviar para o servidor…</source>
        <translation>Send to the server…</translation>
    </message>
    <message>
        <source>No servidor da equipe, cópias de segurança são feitas pelo administrador do servidor.</source>
        <translation>On the team&apos;s server, backups are made by the server&apos;s administrator.</translation>
    </message>
    <message>
        <source>Servidor fora de alcance: os valores ficam na janela até ele voltar.</source>
        <translation>Server out of reach: the values stay in the window until it is back.</translation>
    </message>
    <message>
        <source>A tolerância e a linha de base deste equipamento não puderam ser lidas, e o relatório seria julgado sem elas. Tente de novo em instantes.

%1</source>
        <translation>This scanner&apos;s tolerances and baseline could not be read, and the report would be judged without them. Try again in a moment.

%1</translation>
    </message>
</context>
<context>
    <name>PdfViewer</name>
    <message>
        <source>Abrir relatório</source>
        <translation>Open report</translation>
    </message>
    <message>
        <source>O relatório %1 não está mais nesse lugar: o arquivo foi movido, renomeado ou apagado.</source>
        <translation>The report %1 is no longer there: the file was moved, renamed or deleted.</translation>
    </message>
    <message>
        <source>Não foi possível abrir %1: nenhum leitor de PDF respondeu.</source>
        <translation>%1 could not be opened: no PDF viewer answered.</translation>
    </message>
</context>
<context>
    <name>ReportForm</name>
    <message>
        <source>Relatório</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Controle de Qualidade - Ultrassom modo B</source>
        <translation>Quality Control - B mode Ultrasound</translation>
    </message>
    <message>
        <source>Fabricante:</source>
        <translation>Manufactor:</translation>
    </message>
    <message>
        <source>Local:</source>
        <translation>Place:</translation>
    </message>
    <message>
        <source>Modelo:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Instituição:</source>
        <translation>Institution:</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Atenuacao de 0,5 db</source>
        <translation>Attenuation at 0.5 dB</translation>
    </message>
    <message>
        <source>Atenuacao de 0,7 db</source>
        <translation>Attenuation at 0.7 dB</translation>
    </message>
    <message>
        <source>Zona Morta</source>
        <translation>Dead Zone</translation>
    </message>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
    <message>
        <source>Resolução Axial</source>
        <translation>Axial Resolution</translation>
    </message>
    <message>
        <source>Resolução Lateral</source>
        <translation>Lateral Resolution</translation>
    </message>
    <message>
        <source>Medidas na Veritcal</source>
        <translation>Vertical Measurements</translation>
    </message>
    <message>
        <source>Medidas na Horizontal:</source>
        <translation>Horizontal Measurements:</translation>
    </message>
    <message>
        <source>Conjunto à 3cm</source>
        <translation>3cm points set</translation>
    </message>
    <message>
        <source>Conjunto à 9cm</source>
        <translation>9cm points set</translation>
    </message>
    <message>
        <source>Inspeções Físicas e Mecânicas</source>
        <translation>Physical and Mechanical Inspections</translation>
    </message>
    <message>
        <source>Cabo de força</source>
        <translation>Power cable</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Controles</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>Botões</source>
        <translation>Buttons</translation>
    </message>
    <message>
        <source>Filtro de Poeira</source>
        <translation>Dust Filter</translation>
    </message>
    <message>
        <source>Transdutores</source>
        <translation>Transducer</translation>
    </message>
    <message>
        <source>Uniformidade da imagem: </source>
        <translation>Image uniformity:</translation>
    </message>
    <message>
        <source>uniformidade</source>
        <translation>uniformity</translation>
    </message>
    <message>
        <source>Massas Anecóicas</source>
        <translation>Anecoic Masses</translation>
    </message>
    <message>
        <source>0,5dB</source>
        <translation>0.5dB</translation>
    </message>
    <message>
        <source>2cm</source>
        <translation>2cm</translation>
    </message>
    <message>
        <source>4cm</source>
        <translation>4cm</translation>
    </message>
    <message>
        <source>6cm</source>
        <translation>6cm</translation>
    </message>
    <message>
        <source>8cm</source>
        <translation>8cm</translation>
    </message>
    <message>
        <source>Altura/Largura</source>
        <translation>Height/Width</translation>
    </message>
    <message>
        <source>Área</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>0,7dB</source>
        <translation>0.7dB</translation>
    </message>
    <message>
        <source>Massas Hiperecóicas</source>
        <translation>Hyperechoic Masses</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p align=&quot;justify&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;A validade deste documento é garantida somente pela assinatura do responsavel técnico.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>The validity of this document is guaranteed only by the signature of the responsible technician.</translation>
    </message>
    <message>
        <source>Responsável</source>
        <translation>Specialist</translation>
    </message>
    <message>
        <source>01/01/2013</source>
        <translation>01/01/2013</translation>
    </message>
    <message>
        <source>Cabo</source>
        <translation>Cable</translation>
    </message>
    <message>
        <source>Controle</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>Filtro</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Transdutor</source>
        <translation>Transducer</translation>
    </message>
    <message>
        <source>Uniformidade da Imagem</source>
        <translation>Image Uniformity</translation>
    </message>
    <message>
        <source>Resposavel</source>
        <translation>Specialist</translation>
    </message>
    <message>
        <source>Tipo de Transdutor</source>
        <translation>Transducer Type</translation>
    </message>
    <message>
        <source>Frequência</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Medidas na Veritcal (média)</source>
        <translation>Vertical Measurements (mean)</translation>
    </message>
    <message>
        <source>Medidas na vertical (mm)</source>
        <translation>Vertical Measurements (mm)</translation>
    </message>
    <message>
        <source>Atenuação de 0,5db</source>
        <translation>Attenuation at 0.5 dB</translation>
    </message>
    <message>
        <source>1-2</source>
        <translation>1-2</translation>
    </message>
    <message>
        <source>2-3</source>
        <translation>2-3</translation>
    </message>
    <message>
        <source>3-4</source>
        <translation>3-4</translation>
    </message>
    <message>
        <source>4-5</source>
        <translation>4-5</translation>
    </message>
    <message>
        <source>5-6</source>
        <translation>5-6</translation>
    </message>
    <message>
        <source>6-7</source>
        <translation>6-7</translation>
    </message>
    <message>
        <source>7-8</source>
        <translation>7-8</translation>
    </message>
    <message>
        <source>8-9</source>
        <translation>8-9</translation>
    </message>
    <message>
        <source>9-10</source>
        <translation>9-10</translation>
    </message>
    <message>
        <source>Atenuação de 0,7db</source>
        <translation>Attenuation at 0.7 dB</translation>
    </message>
    <message>
        <source>Medidas na Horizontal (mm)</source>
        <translation>Horizontal Measurements (mm)</translation>
    </message>
    <message>
        <source>Conjunto à 3 cm</source>
        <translation>3cm points set</translation>
    </message>
    <message>
        <source>Atenuação</source>
        <translation>Attenuation</translation>
    </message>
    <message>
        <source>Distância  (mm)</source>
        <translation>Distance (mm)</translation>
    </message>
    <message>
        <source>0,5 dB</source>
        <translation>0.5 dB</translation>
    </message>
    <message>
        <source>0,7 dB</source>
        <translation>0.7 dB</translation>
    </message>
    <message>
        <source>Conjunto à 9 cm</source>
        <translation>9cm points set</translation>
    </message>
    <message>
        <source>Massas Anecoicas (mm)</source>
        <translation>Anechoic Masses (mm)</translation>
    </message>
    <message>
        <source>Altura</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Largura</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Massas Hiperecoica (mm)</source>
        <translation>Hyperechoic Masses (mm)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Salvar Relatório</source>
        <translation>Save Report</translation>
    </message>
    <message>
        <source>Ótimo</source>
        <translation>Great</translation>
    </message>
    <message>
        <source>Bom</source>
        <translation>Good</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Regular</translation>
    </message>
    <message>
        <source>Ruim</source>
        <translation>Bad</translation>
    </message>
    <message>
        <source>Péssimo</source>
        <translation>Terrible</translation>
    </message>
    <message>
        <source>Resposável</source>
        <translation>Responsible</translation>
    </message>
    <message>
        <source>Salvo em %1</source>
        <translation>Saved to %1</translation>
    </message>
    <message>
        <source>Página 1 de 3</source>
        <translation>Page 1 of 3</translation>
    </message>
    <message>
        <source>Página 2 de 3</source>
        <translation>Page 2 of 3</translation>
    </message>
    <message>
        <source>Zona Focal (mm):</source>
        <translation>Focal Zone (mm):</translation>
    </message>
    <message>
        <source>Máxima Penetração (mm):</source>
        <translation>Maximum Depth (mm):</translation>
    </message>
    <message>
        <source>Página 3 de 3</source>
        <translation>Page 3 of 3</translation>
    </message>
    <message>
        <source>Assinar…</source>
        <translation>Sign…</translation>
    </message>
    <message>
        <source>Assinar Relatório</source>
        <translation>Sign Report</translation>
    </message>
    <message>
        <source>Certificado digital</source>
        <translation>Digital certificate</translation>
    </message>
    <message>
        <source>Certificado A1 (*.pfx *.p12)</source>
        <translation>A1 certificate (*.pfx *.p12)</translation>
    </message>
    <message>
        <source>Senha do certificado %1:</source>
        <translation>Password of the certificate %1:</translation>
    </message>
    <message>
        <source>Salvar Relatório Assinado</source>
        <translation>Save Signed Report</translation>
    </message>
    <message>
        <source>Assinado digitalmente por %1 em %2</source>
        <translation>Digitally signed by %1 on %2</translation>
    </message>
    <message>
        <source>Não foi possível gravar o arquivo PDF %1.</source>
        <translation>The PDF file %1 could not be written.</translation>
    </message>
    <message>
        <source>Não foi possível gravar o relatório assinado %1.</source>
        <translation>The signed report %1 could not be written.</translation>
    </message>
    <message>
        <source>Critérios: zona morta até %1, axial até %2, lateral até %3 (%4 MHz); física: %5, %6 ou %7;</source>
        <translation>Criteria: dead zone up to %1, axial up to %2, lateral up to %3 (%4 MHz); physical: %5, %6 or %7;</translation>
    </message>
    <message>
        <source>média vertical %1–%2 mm, horizontal %3–%4 mm; massas: altura/largura %5–%6,</source>
        <translation>vertical mean %1–%2 mm, horizontal %3–%4 mm; masses: height/width %5–%6,</translation>
    </message>
    <message>
        <source>área %1–%2 × nominal (%3 mm² a 2, 4, 6 e 8 cm); limites excluídos.</source>
        <translation>area %1–%2 × nominal (%3 mm² at 2, 4, 6 and 8 cm); limits excluded.</translation>
    </message>
    <message>
        <source>Assinado e salvo em %1</source>
        <translation>Signed and saved to %1</translation>
    </message>
    <message>
        <source>Onde está o certificado digital?</source>
        <translation>Where is the digital certificate?</translation>
    </message>
    <message>
        <source>Arquivo A1 (.pfx, .p12)…</source>
        <translation>A1 file (.pfx, .p12)…</translation>
    </message>
    <message>
        <source>Token ou cartão (A3)…</source>
        <translation>Token or smart card (A3)…</translation>
    </message>
    <message>
        <source>Certificado do token:</source>
        <translation>Certificate on the token:</translation>
    </message>
    <message>
        <source>PIN do token para %1:</source>
        <translation>Token PIN for %1:</translation>
    </message>
    <message>
        <source>A política de assinatura de zetu.ini ([Signature] PolicyOid, PolicyHash e PolicyUri) não é válida.</source>
        <translation>The signature policy in zetu.ini ([Signature] PolicyOid, PolicyHash and PolicyUri) is not valid.</translation>
    </message>
    <message>
        <source>_assinado</source>
        <translation>_signed</translation>
    </message>
    <message>
        <source>A assinatura não pôde ser conferida no arquivo assinado, que por isso não foi gravado como %1.</source>
        <translation>The signature could not be verified in the signed file, so it was not saved as %1.</translation>
    </message>
    <message>
        <source>Transdutor inspecionado:</source>
        <translation>Inspected transducer:</translation>
    </message>
    <message>
        <source>%1; próxima inspeção em %2</source>
        <translation>%1; next inspection on %2</translation>
    </message>
    <message>
        <source>Abre o PDF salvo no leitor de PDF</source>
        <translation>Opens the saved PDF in the PDF viewer</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Imprimir…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>O arquivo %1 já existe. Deseja substituí-lo?</source>
        <translation>The file %1 already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Não foi possível imprimir o relatório em %1.</source>
        <translation>The report could not be printed on %1.</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Comparação com a linha de base e valores nominais (mm)</source>
        <translation>Comparison with the baseline and nominal values (mm)</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Referência</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Valor</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Diferença</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Tolerância</source>
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>Veredito</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>zona morta até %1</source>
        <translation>dead zone up to %1</translation>
    </message>
    <message>
        <source>axial até %1</source>
        <translation>axial up to %1</translation>
    </message>
    <message>
        <source>lateral até %1</source>
        <translation>lateral up to %1</translation>
    </message>
    <message>
        <source>%1 (%2 MHz)</source>
        <translation>%1 (%2 MHz)</translation>
    </message>
    <message>
        <source>física: %1, %2 ou %3</source>
        <translation>physical: %1, %2 or %3</translation>
    </message>
    <message>
        <source>média vertical %1–%2 mm</source>
        <translation>vertical mean %1–%2 mm</translation>
    </message>
    <message>
        <source>média horizontal %1–%2 mm</source>
        <translation>horizontal mean %1–%2 mm</translation>
    </message>
    <message>
        <source>massas: altura/largura %1–%2</source>
        <translation>masses: height/width %1–%2</translation>
    </message>
    <message>
        <source>área %1–%2 × nominal (%3 mm² a 2, 4, 6 e 8 cm)</source>
        <translation>area %1–%2 × nominal (%3 mm² at 2, 4, 6 and 8 cm)</translation>
    </message>
    <message>
        <source>limites excluídos</source>
        <translation>limits excluded</translation>
    </message>
    <message>
        <source>na tabela, a tolerância de cada resultado, limites incluídos</source>
        <translation>in the table, each result&apos;s tolerance, limits included</translation>
    </message>
    <message>
        <source>Conjunto de tolerâncias: %1, versão %2; esta inspeção é a linha de base.</source>
        <translation>Tolerance set: %1, version %2; this inspection is the baseline.</translation>
    </message>
    <message>
        <source>Conjunto de tolerâncias: %1, versão %2; linha de base de %3.</source>
        <translation>Tolerance set: %1, version %2; baseline of %3.</translation>
    </message>
    <message>
        <source>Conjunto de tolerâncias: %1, versão %2.</source>
        <translation>Tolerance set: %1, version %2.</translation>
    </message>
    <message>
        <source>Critérios: %1.</source>
        <translation>Criteria: %1.</translation>
    </message>
    <message>
        <source>esta inspeção</source>
        <translation>this inspection</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (nominal)</source>
        <translation>%1 (nominal)</translation>
    </message>
    <message>
        <source>sem linha de base</source>
        <translation>no baseline</translation>
    </message>
    <message>
        <source>aprovado</source>
        <translation>passed</translation>
    </message>
    <message>
        <source>reprovado</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>O módulo de assinatura digital %1 não pôde ser carregado. Reinstale o programa.</source>
        <translation>The digital signature module %1 could not be loaded. Reinstall the program.</translation>
    </message>
    <message>
        <source>Aprovado por %1 em %2</source>
        <translation>Approved by %1 on %2</translation>
    </message>
</context>
<context>
    <name>ResultName</name>
    <message>
        <source>Cabo de força</source>
        <translation>Power cable</translation>
    </message>
    <message>
        <source>Controles</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>Filtro de poeira</source>
        <translation>Dust filter</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Botões</source>
        <translation>Buttons</translation>
    </message>
    <message>
        <source>Transdutores</source>
        <translation>Transducers</translation>
    </message>
    <message>
        <source>anecoica</source>
        <translation>anechoic</translation>
    </message>
    <message>
        <source>hiperecoica</source>
        <translation>hyperechoic</translation>
    </message>
    <message>
        <source>Zona morta a %1 dB</source>
        <translation>Dead zone at %1 dB</translation>
    </message>
    <message>
        <source>Resolução axial a %1 dB</source>
        <translation>Axial resolution at %1 dB</translation>
    </message>
    <message>
        <source>Resolução lateral a %1 dB</source>
        <translation>Lateral resolution at %1 dB</translation>
    </message>
    <message>
        <source>Média vertical a %1 dB</source>
        <translation>Vertical mean at %1 dB</translation>
    </message>
    <message>
        <source>Média horizontal a %1 cm, %2 dB</source>
        <translation>Horizontal mean at %1 cm, %2 dB</translation>
    </message>
    <message>
        <source>Altura/largura da massa %1 a %2 cm, %3 dB</source>
        <translation>Height/width of the %1 mass at %2 cm, %3 dB</translation>
    </message>
    <message>
        <source>Área da massa %1 a %2 cm, %3 dB</source>
        <translation>Area of the %1 mass at %2 cm, %3 dB</translation>
    </message>
    <message>
        <source>Penetração máxima a %1 dB</source>
        <translation>Maximum penetration at %1 dB</translation>
    </message>
</context>
<context>
    <name>ReviewDialog</name>
    <message>
        <source>Revisão</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>Inspeções relatadas que aguardam revisão, de todos os técnicos e equipamentos, a mais antiga primeiro.</source>
        <translation>Reported inspections awaiting review, of every technician and equipment, the oldest first.</translation>
    </message>
    <message>
        <source>Equipamento</source>
        <translation>Equipment</translation>
    </message>
    <message>
        <source>Transdutor</source>
        <translation>Transducer</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Técnico</source>
        <translation>Technician</translation>
    </message>
    <message>
        <source>Reprovados</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>Nenhuma inspeção aguarda revisão.</source>
        <translation>No inspection awaits review.</translation>
    </message>
    <message>
        <source>Relatório</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Aprova a inspeção escolhida em seu nome; quem a fez não a aprova</source>
        <translation>Approves the chosen inspection in your name; whoever made it cannot approve it</translation>
    </message>
    <message>
        <source>Aprovar…</source>
        <translation>Approve…</translation>
    </message>
    <message>
        <source>Devolve a inspeção escolhida ao técnico, com uma nota</source>
        <translation>Returns the chosen inspection to its technician, with a note</translation>
    </message>
    <message>
        <source>Devolver…</source>
        <translation>Return…</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>A lista de revisão não pôde ser lida (veja o registro do programa).</source>
        <translation>The review list could not be read (see the program&apos;s log).</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 de %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Aprovar inspeção</source>
        <translation>Approve inspection</translation>
    </message>
    <message>
        <source>A inspeção de %1 feita por %2 será aprovada em seu nome. Seu nome:</source>
        <translation>The inspection of %1 made by %2 will be approved in your name. Your name:</translation>
    </message>
    <message>
        <source>A inspeção de %1 foi aprovada. Abrir o relatório para salvá-lo e assiná-lo agora?</source>
        <translation>The inspection of %1 was approved. Open the report to save and sign it now?</translation>
    </message>
    <message>
        <source>A inspeção de %1 volta a %2 com esta nota. Corrigida e relatada de novo, ela aguarda revisão outra vez.</source>
        <translation>The inspection of %1 goes back to %2 with this note. Once corrected and reported again, it awaits review again.</translation>
    </message>
    <message>
        <source>Devolver inspeção</source>
        <translation>Return inspection</translation>
    </message>
    <message>
        <source>&amp;Nota</source>
        <translation>&amp;Note</translation>
    </message>
    <message>
        <source>ex.: refazer a zona morta a 0.7 dB</source>
        <translation>e.g.: measure the dead zone at 0.7 dB again</translation>
    </message>
    <message>
        <source>O servidor recusou a revisão: o seu usuário não tem o direito de aprovar nem de devolver inspeções.</source>
        <translation>The server refused the review: your user has no right to approve or return inspections.</translation>
    </message>
    <message>
        <source>Informe o nome de quem revisa.</source>
        <translation>Give the reviewer&apos;s name.</translation>
    </message>
    <message>
        <source>A inspeção foi feita por %1 e não pode ser aprovada pelo mesmo nome. Outra pessoa deve revisá-la.</source>
        <translation>The inspection was made by %1 and cannot be approved by the same name. Someone else must review it.</translation>
    </message>
    <message>
        <source>Uma inspeção só é devolvida com uma nota ao técnico.</source>
        <translation>An inspection is returned only with a note to the technician.</translation>
    </message>
    <message>
        <source>A inspeção não aguarda mais esta revisão: foi revisada, alterada ou relatada de novo enquanto isso. A lista foi lida de novo.</source>
        <translation>The inspection no longer awaits this review: it was reviewed, changed or reported again meanwhile. The list was read again.</translation>
    </message>
    <message>
        <source>A revisão não pôde ser gravada (veja o registro do programa).</source>
        <translation>The review could not be kept (see the program&apos;s log).</translation>
    </message>
    <message>
        <source>Tente de novo em instantes.</source>
        <translation>Try again in a moment.</translation>
    </message>
    <message>
        <source>A revisão não foi gravada. Tente de novo em instantes.</source>
        <translation>The review was not kept. Try again in a moment.</translation>
    </message>
</context>
<context>
    <name>ReviewStore</name>
    <message>
        <source>Aguardando revisão</source>
        <translation>Awaiting review</translation>
    </message>
    <message>
        <source>Aprovado por %1 em %2</source>
        <translation>Approved by %1 on %2</translation>
    </message>
    <message>
        <source>Devolvido: %1</source>
        <translation>Returned: %1</translation>
    </message>
</context>
<context>
    <name>SigningKey</name>
    <message>
        <source>Não foi possível ler o arquivo %1.</source>
        <translation>The file %1 could not be read.</translation>
    </message>
    <message>
        <source>%1 não é um arquivo comum e não foi aberto.</source>
        <translation>%1 is not a regular file and was not opened.</translation>
    </message>
    <message>
        <source>O arquivo %1 não é um certificado digital A1 (.pfx ou .p12).</source>
        <translation>The file %1 is not an A1 digital certificate (.pfx or .p12).</translation>
    </message>
    <message>
        <source>A senha não confere com o certificado %1.</source>
        <translation>The password does not match the certificate %1.</translation>
    </message>
    <message>
        <source>O arquivo %1 tem o certificado, mas não a chave privada. Exporte-o de novo incluindo a chave privada.</source>
        <translation>The file %1 holds the certificate but not its private key. Export it again with the private key.</translation>
    </message>
    <message>
        <source>O arquivo %1 tem uma chave privada, mas nenhum certificado.</source>
        <translation>The file %1 holds a private key but no certificate.</translation>
    </message>
    <message>
        <source>A chave privada do arquivo %1 não pertence ao certificado que ele contém.</source>
        <translation>The private key in the file %1 does not belong to the certificate it holds.</translation>
    </message>
    <message>
        <source>O certificado %1 venceu em %2.</source>
        <translation>The certificate %1 expired on %2.</translation>
    </message>
    <message>
        <source>O certificado %1 só é válido a partir de %2.</source>
        <translation>The certificate %1 is not valid before %2.</translation>
    </message>
    <message>
        <source>A chave do certificado %1 (%2 bits) é fraca demais para assinar: são precisos ao menos 2048 bits (RSA) ou 256 bits (curva elíptica).</source>
        <translation>The key of the certificate %1 (%2 bits) is too weak to sign: at least 2048 bits (RSA) or 256 bits (elliptic curve) are needed.</translation>
    </message>
    <message>
        <source>O certificado %1 não serve para assinar: seu uso de chave não inclui assinatura digital nem não repúdio.</source>
        <translation>The certificate %1 cannot sign: its key usage includes neither digital signature nor non-repudiation.</translation>
    </message>
    <message>
        <source>O certificado %1 não traz o nome do titular.</source>
        <translation>The certificate %1 does not carry its holder&apos;s name.</translation>
    </message>
    <message>
        <source>Não foi possível carregar o módulo PKCS#11 %1 ([Signature] Pkcs11Module de zetu.ini).</source>
        <translation>The PKCS#11 module %1 could not be loaded ([Signature] Pkcs11Module in zetu.ini).</translation>
    </message>
    <message>
        <source>Nenhum certificado foi encontrado em token ou cartão (módulo %1). Confira se o token está conectado.</source>
        <translation>No certificate was found on a token or smart card (module %1). Check that the token is connected.</translation>
    </message>
    <message>
        <source>O PIN não confere com o token %1.</source>
        <translation>The PIN does not match the token %1.</translation>
    </message>
    <message>
        <source>O PIN do token %1 está bloqueado.</source>
        <translation>The PIN of the token %1 is locked.</translation>
    </message>
    <message>
        <source>O token %1 não pôde ser usado para assinar.</source>
        <translation>The token %1 could not be used to sign.</translation>
    </message>
</context>
<context>
    <name>StoreText</name>
    <message>
        <source>O servidor da equipe está ocupado ou fora de alcance.</source>
        <translation>The team&apos;s server is busy or out of reach.</translation>
    </message>
    <message>
        <source>O arquivo zetu.db está ocupado por outro programa.</source>
        <translation>The file zetu.db is busy with another program.</translation>
    </message>
</context>
<context>
    <name>ToleranceRule</name>
    <message>
        <source>regra original</source>
        <translation>original rule</translation>
    </message>
    <message>
        <source>entre %1 e %2 vezes a área nominal</source>
        <translation>between %1 and %2 times the nominal area</translation>
    </message>
    <message>
        <source>entre %1 e %2</source>
        <translation>between %1 and %2</translation>
    </message>
    <message>
        <source>entre %1 e %2 mm</source>
        <translation>between %1 and %2 mm</translation>
    </message>
    <message>
        <source>até %1 % da linha de base</source>
        <translation>within %1 % of the baseline</translation>
    </message>
    <message>
        <source>até %1 mm da linha de base</source>
        <translation>within %1 mm of the baseline</translation>
    </message>
    <message>
        <source>até %1 % ou %2 mm de %3 mm, o que for maior</source>
        <translation>within %1 % or %2 mm of %3 mm, whichever is greater</translation>
    </message>
    <message>
        <source>sem linha de base: a de %1 não tem este valor</source>
        <translation>no baseline: the one of %1 lacks this value</translation>
    </message>
    <message>
        <source>sem linha de base: esta inspeção será a linha de base</source>
        <translation>no baseline: this inspection will be the baseline</translation>
    </message>
    <message>
        <source>aprovado de %1 a %2 mm</source>
        <translation>passes from %1 to %2 mm</translation>
    </message>
    <message>
        <source>nominal %1 mm: %2</source>
        <translation>nominal %1 mm: %2</translation>
    </message>
    <message>
        <source>linha de base %1 mm (%2): %3</source>
        <translation>baseline %1 mm (%2): %3</translation>
    </message>
</context>
<context>
    <name>ToleranceSet</name>
    <message>
        <source>Regras originais</source>
        <translation>Original rules</translation>
    </message>
</context>
<context>
    <name>ToleranceStore</name>
    <message>
        <source>Linha de base de %1: inspeção de %2</source>
        <translation>Baseline of %1: inspection of %2</translation>
    </message>
    <message>
        <source>Conjunto &quot;%1&quot; criado a partir de &quot;%2&quot;</source>
        <translation>Set &quot;%1&quot; created from &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Conjunto alterado: %1</source>
        <translation>Set changed: %1</translation>
    </message>
    <message>
        <source>Equipamento %1 julgado pelo conjunto %2</source>
        <translation>Scanner %1 judged by set %2</translation>
    </message>
    <message>
        <source>o servidor da equipe não permite esta alteração ao seu usuário (só um físico pode fazê-la)</source>
        <translation>the team&apos;s server does not allow your user this change (only a physicist may make it)</translation>
    </message>
</context>
<context>
    <name>TolerancesDialog</name>
    <message>
        <source>Tolerâncias</source>
        <translation>Tolerances</translation>
    </message>
    <message>
        <source>Conjuntos de tolerâncias; o equipamento %1 é julgado pelo conjunto marcado.</source>
        <translation>Tolerance sets; scanner %1 is judged with the set marked.</translation>
    </message>
    <message>
        <source>&amp;Conjuntos:</source>
        <translation>&amp;Sets:</translation>
    </message>
    <message>
        <source>&amp;Regras do conjunto:</source>
        <translation>&amp;Rules of the set:</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Regra</source>
        <translation>Rule</translation>
    </message>
    <message>
        <source>Conjunto embutido: não pode ser editado. Copie-o para mudar os números.</source>
        <translation>Built-in set: it cannot be edited. Copy it to change the numbers.</translation>
    </message>
    <message>
        <source>Regra escolhida</source>
        <translation>Chosen rule</translation>
    </message>
    <message>
        <source>&amp;Tipo:</source>
        <translation>&amp;Kind:</translation>
    </message>
    <message>
        <source>Limites da regra &amp;original</source>
        <translation>&amp;Original rule&apos;s limits</translation>
    </message>
    <message>
        <source>Mí&amp;nimo:</source>
        <translation>M&amp;inimum:</translation>
    </message>
    <message>
        <source>Má&amp;ximo:</source>
        <translation>Ma&amp;ximum:</translation>
    </message>
    <message>
        <source>&amp;Diferença permitida da linha de base:</source>
        <translation>&amp;Difference allowed from the baseline:</translation>
    </message>
    <message>
        <source>&amp;Nominal:</source>
        <translation>&amp;Nominal:</translation>
    </message>
    <message>
        <source>&amp;até:</source>
        <translation>w&amp;ithin:</translation>
    </message>
    <message>
        <source>o&amp;u:</source>
        <translation>&amp;or:</translation>
    </message>
    <message>
        <source>o que for maior</source>
        <translation>whichever is greater</translation>
    </message>
    <message>
        <source>Cria um conjunto novo, editável, com as regras do conjunto escolhido</source>
        <translation>Creates a new, editable set with the rules of the chosen set</translation>
    </message>
    <message>
        <source>&amp;Copiar…</source>
        <translation>&amp;Copy…</translation>
    </message>
    <message>
        <source>Guarda as regras alteradas como a próxima versão do conjunto</source>
        <translation>Keeps the changed rules as the next version of the set</translation>
    </message>
    <message>
        <source>&amp;Salvar alterações…</source>
        <translation>&amp;Save changes…</translation>
    </message>
    <message>
        <source>As próximas inspeções deste equipamento serão julgadas pelo conjunto escolhido</source>
        <translation>The next inspections of this scanner will be judged with the chosen set</translation>
    </message>
    <message>
        <source>&amp;Usar neste equipamento…</source>
        <translation>&amp;Use for this scanner…</translation>
    </message>
    <message>
        <source>Re&amp;gistro de alterações…</source>
        <translation>Change &amp;log…</translation>
    </message>
    <message>
        <source>Inspeções físicas e mecânicas</source>
        <translation>Physical and mechanical inspections</translation>
    </message>
    <message>
        <source>Zona morta</source>
        <translation>Dead zone</translation>
    </message>
    <message>
        <source>Resolução axial</source>
        <translation>Axial resolution</translation>
    </message>
    <message>
        <source>Resolução lateral</source>
        <translation>Lateral resolution</translation>
    </message>
    <message>
        <source>Média vertical</source>
        <translation>Vertical mean</translation>
    </message>
    <message>
        <source>Média horizontal</source>
        <translation>Horizontal mean</translation>
    </message>
    <message>
        <source>Altura/largura das massas</source>
        <translation>Height/width of the masses</translation>
    </message>
    <message>
        <source>Área das massas</source>
        <translation>Area of the masses</translation>
    </message>
    <message>
        <source>Penetração máxima</source>
        <translation>Maximum penetration</translation>
    </message>
    <message>
        <source>Faixa de valores</source>
        <translation>Range of values</translation>
    </message>
    <message>
        <source>Diferença da linha de base</source>
        <translation>Change from the baseline</translation>
    </message>
    <message>
        <source>Desvio do valor nominal</source>
        <translation>Deviation from the nominal value</translation>
    </message>
    <message>
        <source>Tolerâncias de %1</source>
        <translation>Tolerances of %1</translation>
    </message>
    <message>
        <source>Os conjuntos não puderam ser lidos</source>
        <translation>The sets could not be read</translation>
    </message>
    <message>
        <source>o banco de dados está ocupado, tente de novo</source>
        <translation>the database is busy, try again</translation>
    </message>
    <message>
        <source>%1 (embutido)</source>
        <translation>%1 (built in)</translation>
    </message>
    <message>
        <source>%1 (v%2)</source>
        <translation>%1 (v%2)</translation>
    </message>
    <message>
        <source>Em uso no equipamento %1</source>
        <translation>In use for scanner %1</translation>
    </message>
    <message>
        <source>Em uso no equipamento %1: %2.</source>
        <translation>In use for scanner %1: %2.</translation>
    </message>
    <message>
        <source>não julgado</source>
        <translation>not judged</translation>
    </message>
    <message>
        <source>Escolha uma regra para mudar seus números; as alterações são guardadas como a versão %1.</source>
        <translation>Choose a rule to change its numbers; the changes are kept as version %1.</translation>
    </message>
    <message>
        <source>Não julgado</source>
        <translation>Not judged</translation>
    </message>
    <message>
        <source>Regra: %1</source>
        <translation>Rule: %1</translation>
    </message>
    <message>
        <source>As alterações de &quot;%1&quot; não foram salvas. Descartá-las?</source>
        <translation>The changes to &quot;%1&quot; have not been saved. Discard them?</translation>
    </message>
    <message>
        <source>A regra de %1 não pode ser salva: o mínimo deve ser menor que o máximo.</source>
        <translation>The rule of %1 cannot be saved: the minimum must be less than the maximum.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Copiar conjunto</source>
        <translation>Copy set</translation>
    </message>
    <message>
        <source>Nome do novo conjunto:</source>
        <translation>Name of the new set:</translation>
    </message>
    <message>
        <source>Cópia de %1</source>
        <translation>Copy of %1</translation>
    </message>
    <message>
        <source>Criar o conjunto &quot;%1&quot; a partir de &quot;%2&quot;.</source>
        <translation>Create set &quot;%1&quot; from &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>A cópia não pôde ser criada</source>
        <translation>The copy could not be created</translation>
    </message>
    <message>
        <source>Dê um nome ao novo conjunto.</source>
        <translation>Give the new set a name.</translation>
    </message>
    <message>
        <source>Já existe um conjunto chamado &quot;%1&quot;.</source>
        <translation>A set named &quot;%1&quot; already exists.</translation>
    </message>
    <message>
        <source>Salvar as regras alteradas de &quot;%1&quot; como a versão %2.</source>
        <translation>Save the changed rules of &quot;%1&quot; as version %2.</translation>
    </message>
    <message>
        <source>As alterações não puderam ser salvas</source>
        <translation>The changes could not be saved</translation>
    </message>
    <message>
        <source>Outra cópia do ZETU salvou a versão %1 de &quot;%2&quot; enquanto ele era editado aqui. Salvar as regras daqui como a versão %3? A versão %1 continua guardada.</source>
        <translation>Another copy of ZETU saved version %1 of &quot;%2&quot; while it was being edited here. Save the rules from here as version %3? Version %1 stays kept.</translation>
    </message>
    <message>
        <source>Julgar o equipamento %1 pelo conjunto &quot;%2&quot; (versão %3).</source>
        <translation>Judge scanner %1 with set &quot;%2&quot; (version %3).</translation>
    </message>
    <message>
        <source>O conjunto não pôde ser escolhido</source>
        <translation>The set could not be chosen</translation>
    </message>
    <message>
        <source>o banco de dados recusou a alteração</source>
        <translation>the database refused the change</translation>
    </message>
</context>
<context>
    <name>Transducer</name>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Convexo</source>
        <translation>Convex</translation>
    </message>
    <message>
        <source>Setorial</source>
        <translation>Sector</translation>
    </message>
    <message>
        <source>Endocavitário</source>
        <translation>Endocavitary</translation>
    </message>
    <message>
        <source>Outro</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>nº de série %1</source>
        <translation>serial no. %1</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
</context>
<context>
    <name>TransducerChoice</name>
    <message>
        <source>(retirado)</source>
        <translation>(retired)</translation>
    </message>
    <message>
        <source>Adicionar transdutor…</source>
        <translation>Add transducer…</translation>
    </message>
    <message>
        <source>O equipamento %1 não tem transdutores cadastrados. Cada inspeção é de um transdutor: cadastre o transdutor que será inspecionado.</source>
        <translation>The equipment %1 has no registered transducers. Each inspection is of one transducer: register the transducer to be inspected.</translation>
    </message>
    <message numerus="yes">
        <source>O transdutor %1 tem %n inspeções guardadas. Ele deixa de ser oferecido para novas inspeções, e o histórico dele é mantido. Retirar o transdutor?</source>
        <translation>
            <numerusform>The transducer %1 has %n stored inspection. It will no longer be offered for new inspections, and its history is kept. Retire the transducer?</numerusform>
            <numerusform>The transducer %1 has %n stored inspections. It will no longer be offered for new inspections, and its history is kept. Retire the transducer?</numerusform>
        </translation>
    </message>
    <message>
        <source>Remover o transdutor %1?</source>
        <translation>Remove the transducer %1?</translation>
    </message>
    <message>
        <source>O arquivo zetu.db não pôde guardar o transdutor agora: ele está ocupado por outro programa ou não pode ser gravado. Tente de novo em instantes.</source>
        <translation>The file zetu.db could not keep the transducer now: it is busy in another program or cannot be written. Try again in a moment.</translation>
    </message>
    <message>
        <source>O servidor da equipe não pôde guardar o transdutor agora: ele está ocupado, fora de alcance ou não deixa gravar. Tente de novo em instantes.</source>
        <translation>The team&apos;s server could not keep the transducer now: it is busy, out of reach or does not let it be written. Try again in a moment.</translation>
    </message>
</context>
<context>
    <name>TransducerDialog</name>
    <message>
        <source>Transdutor</source>
        <translation>Transducer</translation>
    </message>
    <message>
        <source>&amp;Modelo</source>
        <translation>&amp;Model</translation>
    </message>
    <message>
        <source>ex.: C5-1, L12-5</source>
        <translation>e.g. C5-1, L12-5</translation>
    </message>
    <message>
        <source>Nº de &amp;série</source>
        <translation>&amp;Serial number</translation>
    </message>
    <message>
        <source>&amp;Tipo</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>&amp;Frequência nominal</source>
        <translation>Nominal &amp;frequency</translation>
    </message>
    <message>
        <source>não informada</source>
        <translation>not given</translation>
    </message>
    <message>
        <source> MHz</source>
        <translation> MHz</translation>
    </message>
    <message>
        <source>&amp;Inspeção</source>
        <translation>&amp;Inspection</translation>
    </message>
    <message>
        <source>Novo transdutor de %1</source>
        <translation>New transducer of %1</translation>
    </message>
    <message>
        <source>Transdutor de %1</source>
        <translation>Transducer of %1</translation>
    </message>
    <message numerus="yes">
        <source>A cada %n meses</source>
        <translation>
            <numerusform>Every %n month</numerusform>
            <numerusform>Every %n months</numerusform>
        </translation>
    </message>
    <message>
        <source>Adicionar</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Digite o modelo do transdutor.</source>
        <translation>Type the transducer model.</translation>
    </message>
</context>
<context>
    <name>TrendDialog</name>
    <message>
        <source>Tendência</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Resultado:</source>
        <translation>Result:</translation>
    </message>
    <message>
        <source>Zona morta</source>
        <translation>Dead zone</translation>
    </message>
    <message>
        <source>Resolução axial</source>
        <translation>Axial resolution</translation>
    </message>
    <message>
        <source>Resolução lateral</source>
        <translation>Lateral resolution</translation>
    </message>
    <message>
        <source>Máxima penetração vertical</source>
        <translation>Maximum vertical penetration</translation>
    </message>
    <message>
        <source>Zona focal</source>
        <translation>Focal zone</translation>
    </message>
    <message>
        <source>Média das distâncias na vertical</source>
        <translation>Mean of the vertical distances</translation>
    </message>
    <message>
        <source>Média das distâncias na horizontal, conjunto à 3 cm</source>
        <translation>Mean of the horizontal distances, 3cm points set</translation>
    </message>
    <message>
        <source>Média das distâncias na horizontal, conjunto à 9 cm</source>
        <translation>Mean of the horizontal distances, 9cm points set</translation>
    </message>
    <message>
        <source>Incluir inspeções não concluídas</source>
        <translation>Include unfinished inspections</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Tendência dos resultados de %1</source>
        <translation>Trend of the results of %1</translation>
    </message>
    <message>
        <source>Ainda não há inspeções de %1 para mostrar.</source>
        <translation>There are no inspections of %1 to show yet.</translation>
    </message>
    <message>
        <source>Há apenas uma inspeção de %1, de %2.</source>
        <translation>There is only one inspection of %1, dated %2.</translation>
    </message>
    <message>
        <source>A tendência aparece a partir da segunda inspeção.</source>
        <translation>The trend appears from the second inspection on.</translation>
    </message>
    <message>
        <source>Marque &quot;Incluir inspeções não concluídas&quot; para ver também os rascunhos.</source>
        <translation>Check &quot;Include unfinished inspections&quot; to see the drafts as well.</translation>
    </message>
    <message>
        <source>Nenhuma inspeção de %1 tem este resultado.</source>
        <translation>No inspection of %1 has this result.</translation>
    </message>
    <message>
        <source>Reprovado</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>Atenuação de 0,5 dB</source>
        <translation>Attenuation at 0.5 dB</translation>
    </message>
    <message>
        <source>Atenuação de 0,7 dB</source>
        <translation>Attenuation at 0.7 dB</translation>
    </message>
    <message>
        <source>Limite</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Uma cruz vermelha marca um resultado reprovado. O resultado passa até o limite, inclusive; o limite depende da frequência do transdutor de cada inspeção.</source>
        <translation>A red cross marks a failed result. The result passes up to and including the limit; the limit depends on the transducer frequency of each inspection.</translation>
    </message>
    <message>
        <source>O relatório mostra este resultado sem julgá-lo: não há limites.</source>
        <translation>The report shows this result without judging it: there are no limits.</translation>
    </message>
    <message>
        <source>Uma cruz vermelha marca um resultado reprovado. A média passa estritamente entre os dois limites.</source>
        <translation>A red cross marks a failed result. The mean passes strictly between the two limits.</translation>
    </message>
    <message>
        <source>Valores ilegíveis de algumas inspeções foram deixados de fora.</source>
        <translation>Unreadable values of some inspections were left out.</translation>
    </message>
    <message>
        <source>%1: %2 mm</source>
        <translation>%1: %2 mm</translation>
    </message>
    <message>
        <source>aprovado</source>
        <translation>passed</translation>
    </message>
    <message>
        <source>reprovado</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>(limites %1 e %2 mm)</source>
        <translation>(limits %1 and %2 mm)</translation>
    </message>
    <message>
        <source>(limite %1 mm)</source>
        <translation>(limit %1 mm)</translation>
    </message>
    <message>
        <source>(não concluída)</source>
        <translation>(unfinished)</translation>
    </message>
    <message>
        <source>&amp;Transdutor:</source>
        <translation>&amp;Transducer:</translation>
    </message>
    <message>
        <source>Sem transdutor</source>
        <translation>No transducer</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Faixa de tolerância</source>
        <translation>Tolerance band</translation>
    </message>
    <message>
        <source>Linha de base</source>
        <translation>Baseline</translation>
    </message>
    <message>
        <source>Uma cruz vermelha marca um resultado reprovado.</source>
        <translation>A red cross marks a failed result.</translation>
    </message>
    <message>
        <source>A faixa sombreada é a tolerância em torno da linha de base ou do valor nominal: o resultado passa dentro dela, limites incluídos.</source>
        <translation>The shaded band is the tolerance around the baseline or the nominal value: the result passes inside it, limits included.</translation>
    </message>
    <message>
        <source>Um ponto sem linha de base não é julgado: o transdutor ainda não a tinha.</source>
        <translation>A point without a baseline is not judged: the transducer did not have one yet.</translation>
    </message>
    <message>
        <source>sem linha de base</source>
        <translation>no baseline</translation>
    </message>
    <message>
        <source>(linha de base %1 mm, limites %2 e %3 mm)</source>
        <translation>(baseline %1 mm, limits %2 and %3 mm)</translation>
    </message>
</context>
</TS>
