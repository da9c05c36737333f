<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Chooser</name>
    <message>
        <location filename="../editor/core/chooser.cpp" line="+76"/>
        <source>Non posso modificare la domanda %1: è di tipo %2.</source>
        <translation>I cannot edit question %1: it is of type %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../runner/core/commandline.cpp" line="+38"/>
        <source>-question vuole il numero della domanda, da 1</source>
        <translation>-question needs the number of the question, from 1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>argomento non previsto: %1</source>
        <translation>unexpected argument: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>manca il file del test</source>
        <translation>the test file is missing</translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
    <message>
        <location filename="../editor/qt/dialogbuttons.cpp" line="+23"/>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../editor/core/filecommands.cpp" line="+39"/>
        <source>Questionari (*.tst)</source>
        <translation>Questionnaires (*.tst)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tutti i file (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Non riesco a caricare il file &quot;%1&quot;.</source>
        <translation>I cannot load the file &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Non riesco a caricare il file &quot;%1&quot;:%2</source>
        <translation>I cannot load the file &quot;%1&quot;:%2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Apri questionario...</source>
        <translation>Open questionnaire...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Salva questionario...</source>
        <translation>Save questionnaire...</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <location filename="language.cpp" line="+25"/>
        <source>Il file &quot;%1&quot; non esiste</source>
        <translation>The file &quot;%1&quot; does not exist</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Problemi nella lettura del file &quot;%1&quot;</source>
        <translation>Problems reading the file &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Il file &quot;%1&quot; e&apos; &gt; di %3 byte</source>
        <translation>The file &quot;%1&quot; is larger than %3 bytes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Poca memoria, non posso allocare il test</source>
        <translation>Not enough memory to allocate the test</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tag &lt;%1&gt; errato</source>
        <translation>Wrong tag &lt;%1&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tag &lt;/%1&gt; errato</source>
        <translation>Wrong tag &lt;/%1&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tag %1 errato</source>
        <translation>Wrong tag %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Errore nelle linee %1 ... %2</source>
        <translation>Error in lines %1 ... %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nel tag &lt;partest&gt; parametro *%1* non riconosciuto</source>
        <translation>In tag &lt;partest&gt; parameter *%1* not recognised</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Domanda %1 : nel tag &lt;parque&gt; parametro *%2* non riconosciuto</source>
        <translation>Question %1 : in tag &lt;parque&gt; parameter *%2* not recognised</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Non riesco ad allocare la domanda%1</source>
        <translation>I cannot allocate the question%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Risposta %1 : nel tag &lt;parans&gt; parametro *%2* non riconosciuto</source>
        <translation>Answer %1 : in tag &lt;parans&gt; parameter *%2* not recognised</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Il file &quot;%1&quot; esiste gia&apos;</source>
        <translation>The file &quot;%1&quot; already exists</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Non riesco a creare il file &quot;%1&quot;</source>
        <translation>I cannot create the file &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Non ho memoria per allocare una risposta dello studente</source>
        <translation>Not enough memory to allocate a student&apos;s answer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Non posso scrivere *%1* nell&apos;oggetto CStudRispo</source>
        <translation>I cannot write *%1* into the CStudRispo object</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Non posso allocare le risposte dello studente %1</source>
        <translation>I cannot allocate the answers of student %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Numero studenti errato durante il salvataggio</source>
        <translation>Wrong number of students while saving</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Studente %1 con nome test &quot;%2&quot; errato</source>
        <translation>Student %1 with wrong test name &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Studente %1 : nel tag &lt;stpar&gt; parametro *%2* non riconosciuto</source>
        <translation>Student %1 : in tag &lt;stpar&gt; parameter *%2* not recognised</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Studente %1 : nel tag &lt;Ans&gt; parametro *%2* non riconosciuto</source>
        <translation>Student %1 : in tag &lt;Ans&gt; parameter *%2* not recognised</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Il file &quot;%1&quot; non termina con &lt;/Test&gt;: potrebbe essere incompleto</source>
        <translation>The file &quot;%1&quot; does not end with &lt;/Test&gt;: it may be incomplete</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Non posso salvare il file &quot;%1&quot;: %2 supera %3 byte</source>
        <translation>I cannot save the file &quot;%1&quot;: %2 exceeds %3 bytes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Il campo %1 contiene *%2*, che il file non puo&apos; contenere</source>
        <translation>The field %1 contains *%2*, which the file cannot hold</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Il file &quot;%1&quot; ha piu&apos; di %3 studenti: %2 non letti</source>
        <translation>The file &quot;%1&quot; has more than %3 students: %2 not read</translation>
    </message>
</context>
<context>
    <name>Frame</name>
    <message>
        <location filename="../editor/core/frame.cpp" line="+77"/>
        <source>Nuovo questionario</source>
        <translation>New questionnaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Apri un questionario</source>
        <translation>Open a questionnaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Salva il questionario</source>
        <translation>Save the questionnaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nuova domanda</source>
        <translation>New question</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Modifica domanda</source>
        <translation>Edit question</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Esegui test</source>
        <translation>Run test</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Risultati degli studenti</source>
        <translation>Students&apos; results</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copia</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Incolla</source>
        <translation>Paste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Esegui domanda</source>
        <translation>Run question</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Annulla &quot;incolla&quot;</source>
        <translation>Undo &quot;paste&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Associa immagine</source>
        <translation>Attach image</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Procedendo verranno perse le modifiche.<byte value="xd"/>
Vuoi veramente continuare?</source>
        <translation>Going on will lose the changes.<byte value="xd"/>
Do you really want to continue?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Vuoi veramente cancellare la domanda?</source>
        <translation>Do you really want to delete the question?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Programma per la creazione di test di tipo &quot;Quadrivo&quot;.<byte value="xd"/>
Autore Pellastro.<byte value="xd"/>
Gestione file curata da Pellastro.<byte value="xd"/>
Versione 0.0 beta</source>
        <translation>Program for making &quot;Quadrivo&quot; tests.<byte value="xd"/>
Author Pellastro.<byte value="xd"/>
File handling by Pellastro.<byte value="xd"/>
Version 0.0 beta</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Nessuna domanda da modificare</source>
        <translation>No question to edit</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>la cartella non esiste</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>permesso negato</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>il disco è pieno</source>
        <translation>the disk is full</translation>
    </message>
</context>
<context>
    <name>Images</name>
    <message>
        <location filename="../editor/core/images.cpp" line="+33"/>
        <source>Immagini (*.gif *.png *.jpg *.jpeg *.bmp)</source>
        <translation>Images (*.gif *.png *.jpg *.jpeg *.bmp)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Immagini gif(*.gif)</source>
        <translation>GIF images(*.gif)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tutti i file (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Immagine non trovata: %1</source>
        <translation>Image not found: %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>L&apos;immagine &quot;%1&quot; si trova in un&apos;altra cartella.<byte value="xd"/>
Vuoi copiarla nella cartella del questionario, perché il test la trovi anche su altri computer?</source>
        <translation>The image &quot;%1&quot; is in another folder.<byte value="xd"/>
Do you want to copy it into the questionnaire&apos;s folder, so that the test finds it on other computers too?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Nella cartella del questionario c&apos;è già un file &quot;%1&quot;: l&apos;immagine non è stata copiata.</source>
        <translation>The questionnaire&apos;s folder already holds a file &quot;%1&quot;: the image was not copied.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Non riesco a copiare l&apos;immagine &quot;%1&quot; nella cartella del questionario.</source>
        <translation>I cannot copy the image &quot;%1&quot; into the questionnaire&apos;s folder.</translation>
    </message>
</context>
<context>
    <name>Interchange</name>
    <message>
        <location filename="../editor/core/interchange.cpp" line="+76"/>
        <source>Tutti i file (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Importa domande</source>
        <translation>Import questions</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Importa domande...</source>
        <translation>Import questions...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Non riesco a leggere il file &quot;%1&quot;.</source>
        <translation>I cannot read the file &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Nessuna domanda importata da &quot;%1&quot;: %2.</source>
        <translation>No question imported from &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Domande importate da &quot;%1&quot;: %2.</source>
        <translation>Questions imported from &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Esporta domande...</source>
        <translation>Export questions...</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Nessuna domanda da esportare in &quot;%1&quot;.</source>
        <translation>No question to export to &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Non riesco a scrivere il file &quot;%1&quot;.</source>
        <translation>I cannot write the file &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Domande esportate in &quot;%1&quot;: %2.</source>
        <translation>Questions exported to &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <location filename="../editor/core/frame.cpp" line="-208"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Nuovo</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Carica...</source>
        <translation>&amp;Load...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Salva</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sal&amp;va come...</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>C&amp;ommento...</source>
        <translation>C&amp;omment...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Proprietà...</source>
        <translation>&amp;Properties...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;tampa...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Esporta P&amp;DF...</source>
        <translation>Export P&amp;DF...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Importa...</source>
        <translation>&amp;Import...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Espo&amp;rta...</source>
        <translation>Expo&amp;rt...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Esci</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Modifica</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Annulla</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Ripeti</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Domande</source>
        <translation>&amp;Questions</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Nuova...</source>
        <translation>&amp;New...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Modifica...</source>
        <translation>&amp;Edit...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Esegui test...</source>
        <translation>&amp;Run test...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Risultati...</source>
        <translation>Re&amp;sults...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sposta &amp;su</source>
        <translation>Move u&amp;p</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sposta &amp;giù</source>
        <translation>Move do&amp;wn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>D&amp;uplica</source>
        <translation>D&amp;uplicate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cancella</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A&amp;bilita/disabilita</source>
        <translation>Ena&amp;ble/disable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Aiuto</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Informazioni...</source>
        <translation>&amp;About...</translation>
    </message>
</context>
<context>
    <name>NumberField</name>
    <message>
        <location filename="../editor/core/numberfield.cpp" line="+87"/>
        <source>Il campo &quot;%1&quot; deve contenere un numero intero.</source>
        <translation>The field &quot;%1&quot; must hold a whole number.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Il campo &quot;%1&quot; deve contenere un numero.</source>
        <translation>The field &quot;%1&quot; must hold a number.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Il campo &quot;%1&quot; deve contenere un numero intero compreso tra %2 e %3.</source>
        <translation>The field &quot;%1&quot; must hold a whole number between %2 and %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Il campo &quot;%1&quot; deve contenere un numero compreso tra %2 e %3.</source>
        <translation>The field &quot;%1&quot; must hold a number between %2 and %3.</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <location filename="../editor/qt/printer.cpp" line="+112"/>
        <source>Domanda %1</source>
        <translation>Question %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>(una o più risposte esatte)</source>
        <translation>(one or more right answers)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(una sola risposta esatta)</source>
        <translation>(only one right answer)</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Risposta:</source>
        <translation>Answer:</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Quale versione del test?</source>
        <translation>Which version of the test?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Il test per gli studenti</source>
        <translation>The test for the students</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Le soluzioni per il docente</source>
        <translation>The teacher&apos;s key</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+6"/>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Non riesco a stampare il test.</source>
        <translation>I cannot print the test.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Esporta PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Non riesco a scrivere il file &quot;%1&quot;.</source>
        <translation>I cannot write the file &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <location filename="../editor/core/printout.cpp" line="+44"/>
        <source>Risposta esatta: </source>
        <translation>Right answer: </translation>
    </message>
    <message>
        <location line="+3"/>
        <source> (precisione %1)</source>
        <translation> (precision %1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>
Punti se giusto: %1, se errato: %2</source>
        <translation>
Points if right: %1, if wrong: %2</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Esporta PDF...</source>
        <translation>Export PDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Documenti PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tutti i file (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>-soluzioni.pdf</source>
        <translation>-key.pdf</translation>
    </message>
    <message>
        <location line="+12"/>
        <source> - Soluzioni</source>
        <translation> - Key</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nome e cognome: ______________________________   Classe: ________   Data: ____________</source>
        <translation>Name: ______________________________   Class: ________   Date: ____________</translation>
    </message>
</context>
<context>
    <name>Properties</name>
    <message>
        <location filename="../editor/core/properties.cpp" line="+23"/>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Tempo concesso (in minuti)</source>
        <translation>Time allowed (in minutes)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Rimandare la risposta?</source>
        <translation>Postpone the answer?</translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+96"/>
        <source>Il campo &quot;%1&quot; non può superare i %2 caratteri.</source>
        <translation>The field &quot;%1&quot; cannot exceed %2 characters.</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>Proprietà</source>
        <translation>Properties</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Testo illustrativo</source>
        <translation>Introductory text</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <location filename="../editor/qt/qtplatform.cpp" line="+40"/>
        <source>&amp;Sì</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Informazione</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Attenzione</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Il percorso scelto supera i %1 caratteri ammessi.</source>
        <translation>The chosen path exceeds the %1 characters allowed.</translation>
    </message>
    <message>
        <location filename="../editor/qt/systemconventions_windows.cpp" line="+23"/>
        <source>Eseguibili(*.exe)</source>
        <translation>Programs(*.exe)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tutti i file (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <location filename="../editor/qt/systemconventions_posix.cpp" line="+29"/>
        <source>Tutti i file (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>QuestionDialogs</name>
    <message>
        <location filename="../editor/core/questiondialogs.cpp" line="+224"/>
        <source>Precisione richiesta</source>
        <translation>Required precision</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Punti se giusto</source>
        <translation>Points if right</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Punti se errato</source>
        <translation>Points if wrong</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Modifica domanda</source>
        <translation>Edit question</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nuova domanda</source>
        <translation>New question</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>La domanda è troppo lunga per il questionario: accorciare il testo della domanda o delle risposte.</source>
        <translation>The question is too long for the questionnaire: shorten the text of the question or of the answers.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Il questionario ha già %1 domande: non se ne possono aggiungere altre.</source>
        <translation>The questionnaire already has %1 questions: no more can be added.</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Non riesco a creare il questionario temporaneo per provare la domanda.</source>
        <translation>I cannot create the temporary questionnaire to try the question.</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Cancella domanda</source>
        <translation>Delete question</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>Vuoi veramente cancellare la risposta %1?</source>
        <translation>Do you really want to delete answer %1?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vuoi veramente cancellare le risposte da %1 a %2?</source>
        <translation>Do you really want to delete answers %1 to %2?</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+58"/>
        <source>Inserire testo domanda</source>
        <translation>Enter the text of the question</translation>
    </message>
    <message>
        <location line="-46"/>
        <source>Inserire testo di almeno due risposte</source>
        <translation>Enter the text of at least two answers</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Selezionare le risposte corrette</source>
        <translation>Select the right answers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Selezionare la risposta corretta</source>
        <translation>Select the right answer</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Numero</source>
        <translation>Number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Testo</source>
        <translation>Text</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Inserire testo della risposta</source>
        <translation>Enter the text of the answer</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Testo domanda</source>
        <translation>Question text</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Immagine</source>
        <translation>Image</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Risposta %1</source>
        <translation>Answer %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Punti risposta %1</source>
        <translation>Points of answer %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Scegli immagine...</source>
        <translation>Choose image...</translation>
    </message>
</context>
<context>
    <name>QuestionList</name>
    <message>
        <location filename="../editor/core/questionlist.cpp" line="+94"/>
        <source>Il questionario ha già dei risultati degli studenti, che indicano le domande per posizione:<byte value="xd"/>
dopo questa modifica i risultati esistenti non corrisponderanno più alle domande.<byte value="xd"/>
Vuoi veramente continuare?</source>
        <translation>The questionnaire already has students&apos; results, which name the questions by position:<byte value="xd"/>
after this change the existing results will no longer match the questions.<byte value="xd"/>
Do you really want to continue?</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Sposta domanda</source>
        <translation>Move question</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Il questionario contiene già il numero massimo di domande (%1).</source>
        <translation>The questionnaire already holds the largest number of questions (%1).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Duplica domanda</source>
        <translation>Duplicate question</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cancella domanda</source>
        <translation>Delete question</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Abilita domanda</source>
        <translation>Enable question</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disabilita domanda</source>
        <translation>Disable question</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <location filename="../editor/core/recovery.cpp" line="+85"/>
        <source>%d/%m/%Y alle %H:%M</source>
        <translation>%d/%m/%Y at %H:%M</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Il questionario non salvato non è più disponibile.</source>
        <translation>The unsaved questionnaire is no longer available.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Non riesco a leggere il questionario non salvato.</source>
        <translation>I cannot read the unsaved questionnaire.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Ripristino</source>
        <translation>Recovery</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>un questionario nuovo, mai salvato</source>
        <translation>a new questionnaire, never saved</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>È stato trovato un questionario non salvato, rimasto da una sessione che non si è chiusa normalmente.<byte value="xd"/>
<byte value="xd"/>
File: %1<byte value="xd"/>
Scritto il %2<byte value="xd"/>
<byte value="xd"/>
Ripristina lo apre con le modifiche non salvate; Scarta lo cancella.</source>
        <translation>An unsaved questionnaire was found, left over from a session that did not end normally.<byte value="xd"/>
<byte value="xd"/>
File: %1<byte value="xd"/>
Written on %2<byte value="xd"/>
<byte value="xd"/>
Restore opens it with its unsaved changes; Discard deletes it.</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <location filename="../editor/core/results.cpp" line="+86"/>
        <source>Il test non è ancora stato salvato: i risultati si leggono dal file del test salvato.</source>
        <translation>The test has not been saved yet: the results are read from the saved test file.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Nessuno studente ha ancora svolto il test: manca il file dei risultati %1.</source>
        <translation>No student has taken the test yet: the results file %1 is missing.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Il test ha modifiche non salvate: i risultati si riferiscono al file salvato.</source>
        <translation>The test has unsaved changes: the results refer to the saved file.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Studenti</source>
        <translation>Students</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Punteggio minimo possibile</source>
        <translation>Lowest possible score</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Punteggio massimo possibile</source>
        <translation>Highest possible score</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Punteggio minimo</source>
        <translation>Lowest score</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Punteggio massimo</source>
        <translation>Highest score</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+16"/>
        <source>Media</source>
        <translation>Mean</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Mediana</source>
        <translation>Median</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deviazione standard</source>
        <translation>Standard deviation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deviazione standard campionaria</source>
        <translation>Sample standard deviation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tempo totale</source>
        <translation>Total time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tempo medio</source>
        <translation>Mean time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deviazione standard del tempo</source>
        <translation>Standard deviation of the time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Studenti con tutte le risposte</source>
        <translation>Students with every answer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alfa di Cronbach</source>
        <translation>Cronbach&apos;s alpha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Errore standard di misura</source>
        <translation>Standard error of measurement</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>N.</source>
        <translation>No.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Domanda</source>
        <translation>Question</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Valide</source>
        <translation>Valid</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Facilità</source>
        <translation>Facility</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dev. std.</source>
        <translation>Std. dev.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discriminazione</source>
        <translation>Discrimination</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+56"/>
        <source>Rinvii</source>
        <translation>Put-offs</translation>
    </message>
    <message>
        <location line="-55"/>
        <source>Segnalazioni</source>
        <translation>Flags</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Studente</source>
        <translation>Student</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Punteggio</source>
        <translation>Score</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tempo</source>
        <translation>Time</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>D%1</source>
        <translation>Q%1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Studenti che hanno rinviato</source>
        <translation>Students who put it off</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Tutti i file (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Esporta CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Ho scritto i risultati degli studenti in %1 e quelli delle domande in %2.</source>
        <translation>I wrote the students&apos; results to %1 and the questions&apos; to %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Esporta PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Documenti PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Ho scritto il resoconto dei risultati in %1.</source>
        <translation>I wrote the report of the results to %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Non riesco a creare il file &quot;%1&quot;</source>
        <translation>I cannot create the file &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ResultsCharts</name>
    <message>
        <location filename="../editor/qt/resultscharts.cpp" line="+43"/>
        <source>Studenti</source>
        <translation>Students</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Studenti per fascia di punteggio (dal valore indicato)</source>
        <translation>Students per score band (from the value shown)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Facilità</source>
        <translation>Facility</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discriminazione</source>
        <translation>Discrimination</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Facilità e discriminazione</source>
        <translation>Facility and discrimination</translation>
    </message>
</context>
<context>
    <name>Runner</name>
    <message>
        <location filename="../editor/core/runner.cpp" line="+67"/>
        <source>Errore nell&apos;eseguire il comando<byte value="xd"/>
%1</source>
        <translation>Error running the command<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source><byte value="xd"/>
Il programma &quot;%1&quot; non è stato trovato: si può indicare in &quot;Esegui con...&quot;.</source>
        <translation><byte value="xd"/>
The program &quot;%1&quot; was not found: it can be set in &quot;Run with...&quot;.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Scegli programma...</source>
        <translation>Choose program...</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <location filename="../editor/core/summary.cpp" line="+28"/>
        <source>Nome test: %1</source>
        <translation>Test name: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Numero domande: %1</source>
        <translation>Number of questions: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tempo massimo: %1 minuti</source>
        <translation>Time limit: %1 minutes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>domande in ordine  casuale</source>
        <translation>questions in random order</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>domande in ordine  naturale</source>
        <translation>questions in natural order</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Le risposte verranno salvate</source>
        <translation>The answers will be saved</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Le risposte non verranno salvate</source>
        <translation>The answers will not be saved</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Punteggio visibile</source>
        <translation>Score visible</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Punteggio non visibile</source>
        <translation>Score not visible</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Richiesta conferma</source>
        <translation>Confirmation asked</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nessuna richiesta conferma</source>
        <translation>No confirmation asked</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Soluzione dopo la risposta</source>
        <translation>Solution after the answer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nessuna soluzione dopo la risposta</source>
        <translation>No solution after the answer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&apos; possibile rimandare la risposta %1 volte</source>
        <translation>Times an answer can be postponed: %1</translation>
    </message>
</context>
<context>
    <name>TextCheck</name>
    <message>
        <location filename="../editor/core/textcheck.cpp" line="+23"/>
        <source>Il campo &quot;%1&quot; non può contenere le virgolette (&quot;).</source>
        <translation>The field &quot;%1&quot; cannot hold double quotes (&quot;).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Il campo &quot;%1&quot; non può contenere la sequenza &quot;&lt;!&quot;.</source>
        <translation>The field &quot;%1&quot; cannot hold the sequence &quot;&lt;!&quot;.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Il campo &quot;%1&quot; non può contenere il testo &quot;%2&quot;.</source>
        <translation>The field &quot;%1&quot; cannot hold the text &quot;%2&quot;.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Il campo &quot;%1&quot; contiene caratteri che non possono essere salvati nel questionario.</source>
        <translation>The field &quot;%1&quot; holds characters that cannot be saved in the questionnaire.</translation>
    </message>
</context>
<context>
    <name>quadrivo::editor::ChoiceDialog</name>
    <message>
        <location filename="../editor/qt/choicedialog.cpp" line="+28"/>
        <source>Domanda a più risposte</source>
        <translation>Question with several answers</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Domanda a una sola risposta</source>
        <translation>Question with one answer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ordine casuale</source>
        <translation>Random order</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Numero voci</source>
        <translation>Number of rows</translation>
    </message>
</context>
<context>
    <name>quadrivo::editor::GuideWindow</name>
    <message>
        <location filename="../editor/qt/guidewindow.cpp" line="+12"/>
        <source>Guida di Visual Quadrivo Editor</source>
        <translation>Visual Quadrivo Editor guide</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>qrc:/guida/guida.html</source>
        <comment>the guide&apos;s page in the user&apos;s language</comment>
        <translation>qrc:/guida/guida_en.html</translation>
    </message>
</context>
<context>
    <name>quadrivo::editor::ImportWarningsDialog</name>
    <message>
        <location filename="../editor/qt/importwarnings.cpp" line="+16"/>
        <source>Informazione</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>quadrivo::editor::MainTextDialog</name>
    <message>
        <location filename="../editor/qt/maintextdialog.cpp" line="+16"/>
        <source>Testo illustrativo del questionario</source>
        <translation>Introductory text of the questionnaire</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Testo illustrativo</source>
        <translation>Introductory text</translation>
    </message>
</context>
<context>
    <name>quadrivo::editor::MainWindow</name>
    <message>
        <location filename="../editor/qt/mainwindow.cpp" line="+146"/>
        <source>File &amp;recenti</source>
        <translation>&amp;Recent files</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Guida</source>
        <translation>User &amp;guide</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Strumenti</source>
        <translation>Tools</translation>
    </message>
    <message>
        <location line="+119"/>
        <source>Attenzione</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Ripristina</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Scarta</source>
        <translation>&amp;Discard</translation>
    </message>
</context>
<context>
    <name>quadrivo::editor::NewQuestionDialog</name>
    <message>
        <location filename="../editor/qt/newquestiondialog.cpp" line="+42"/>
        <source>Seleziona il tipo di domanda</source>
        <translation>Choose the kind of question</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Risposta multipla</source>
        <translation>Multiple choice</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Più soluzioni corrette</source>
        <translation>Several right solutions</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Una soluzione corretta</source>
        <translation>One right solution</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Risposta singola aperta</source>
        <translation>Single open answer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Testo</source>
        <translation>Text</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Numero</source>
        <translation>Number</translation>
    </message>
</context>
<context>
    <name>quadrivo::editor::PropertyDialog</name>
    <message>
        <location filename="../editor/qt/propertydialog.cpp" line="+50"/>
        <source>Proprietà questionario</source>
        <translation>Questionnaire properties</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Domande in ordine casuale</source>
        <translation>Questions in random order</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Le risposte devono essere salvate</source>
        <translation>The answers are to be saved</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Il punteggio deve essere visibile</source>
        <translation>The score is to be visible</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Richiesta di conferma</source>
        <translation>Ask for confirmation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Soluzione dopo la risposta</source>
        <translation>Solution after the answer</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Tempo concesso (in minuti)</source>
        <translation>Time allowed (in minutes)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rimandare la risposta?</source>
        <translation>Postpone the answer?</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+23"/>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>File cifrato</source>
        <translation>Scrambled file</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Proprietà</source>
        <translation>Properties</translation>
    </message>
</context>
<context>
    <name>quadrivo::editor::QuestionChooser</name>
    <message>
        <location filename="../editor/qt/questionchooser.cpp" line="+41"/>
        <source>Modifica domanda</source>
        <translation>Edit question</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Domanda</source>
        <translation>Question</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anteprima</source>
        <translation>Preview</translation>
    </message>
</context>
<context>
    <name>quadrivo::editor::QuestionDialog</name>
    <message>
        <location filename="../editor/qt/questiondialog.cpp" line="+37"/>
        <source>Testo domanda</source>
        <translation>Question text</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Cancella</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Immagine non leggibile</source>
        <translation>Image not readable</translation>
    </message>
</context>
<context>
    <name>quadrivo::editor::QuestionListView</name>
    <message>
        <location filename="../editor/qt/questionlistview.cpp" line="+41"/>
        <source>N.</source>
        <translation>No.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Domanda</source>
        <translation>Question</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Risposte</source>
        <translation>Answers</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Abilitata</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Sì</source>
        <translation>Yes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>quadrivo::editor::QuestionToolbar</name>
    <message>
        <location filename="../editor/qt/questiontoolbar.cpp" line="+37"/>
        <source>Immagine...</source>
        <translation>Image...</translation>
    </message>
</context>
<context>
    <name>quadrivo::editor::ResultsWindow</name>
    <message>
        <location filename="../editor/qt/resultswindow.cpp" line="+146"/>
        <source>Risposta</source>
        <translation>Answer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Punti</source>
        <translation>Points</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Esatta</source>
        <translation>Correct</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scelta da</source>
        <translation>Chosen by</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Risultati</source>
        <translation>Results</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Risultati - %1</source>
        <translation>Results - %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+165"/>
        <source>Classe</source>
        <translation>Class</translation>
    </message>
    <message>
        <location line="-164"/>
        <location line="+170"/>
        <source>Domande</source>
        <translation>Questions</translation>
    </message>
    <message>
        <location line="-169"/>
        <location line="+75"/>
        <location line="+116"/>
        <source>Studenti</source>
        <translation>Students</translation>
    </message>
    <message>
        <location line="-188"/>
        <source>Esporta PDF...</source>
        <translation>Export PDF...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Esporta CSV...</source>
        <translation>Export CSV...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Risposte date</source>
        <translation>Answers given</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scegliere una domanda nella tabella.</source>
        <translation>Choose a question in the table.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Giudizio</source>
        <translation>Judgement</translation>
    </message>
    <message>
        <location line="+50"/>
        <location line="+54"/>
        <source>sì</source>
        <translation>yes</translation>
    </message>
</context>
<context>
    <name>quadrivo::editor::TextDialog</name>
    <message>
        <location filename="../editor/qt/textdialog.cpp" line="+33"/>
        <source>Domanda a risposta testuale/numerica</source>
        <translation>Question with a text/number answer</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Precisione richiesta</source>
        <translation>Required precision</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Punti se giusto:</source>
        <translation>Points if right:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Punti se errato:</source>
        <translation>Points if wrong:</translation>
    </message>
</context>
<context>
    <name>quadrivo::editor::TryDialog</name>
    <message>
        <location filename="../editor/qt/trydialog.cpp" line="+20"/>
        <source>Esegui con...</source>
        <translation>Run with...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Sfoglia</source>
        <translation>&amp;Browse</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Il programma contiene caratteri che non si possono usare in un comando.</source>
        <translation>The program holds characters that cannot be used in a command.</translation>
    </message>
</context>
<context>
    <name>quadrivo::runner::RunnerApp</name>
    <message>
        <location filename="../runner/qt/runnerapp.cpp" line="+32"/>
        <location line="+7"/>
        <source>Informazione</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Accanto al test ci sono %1 risultati di esecuzioni interrotte.
Vuoi aggiungerli al file dei risultati della classe?</source>
        <translation>Beside the test there are %1 results of interrupted runs.
Do you want to add them to the class&apos;s results file?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Attenzione</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Il file dei risultati è in uso da un&apos;altra esecuzione: riprova più tardi.</source>
        <translation>The results file is in use by another run: try again later.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Risultati aggiunti: %1.</source>
        <translation>Results added: %1.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Il questionario non ha la domanda %1.</source>
        <translation>The questionnaire has no question %1.</translation>
    </message>
</context>
<context>
    <name>quadrivo::runner::RunnerWindow</name>
    <message>
        <location filename="../runner/qt/runnerwindow.cpp" line="+45"/>
        <source>Esatta</source>
        <translation>Right</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quasi esatta</source>
        <translation>Nearly right</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Errata</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saltata</source>
        <translation>Skipped</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>In ritardo</source>
        <translation>Late</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Non valutata</source>
        <translation>Not judged</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>Attenzione</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Informazione</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Nessun limite di tempo</source>
        <translation>No time limit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tempo a disposizione: 1 minuto</source>
        <translation>Time available: 1 minute</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tempo a disposizione: %1 minuti</source>
        <translation>Time available: %1 minutes</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Nome e cognome:</source>
        <translation>&amp;Full name:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Inizia</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Questa domanda non richiede una risposta: premi Conferma per proseguire.</source>
        <translation>This question needs no answer: press Confirm to go on.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Termina</source>
        <translation>&amp;Finish</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rimanda</source>
        <translation>&amp;Postpone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Salta</source>
        <translation>S&amp;kip</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Conferma</source>
        <translation>&amp;Confirm</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Test terminato</source>
        <translation>Test finished</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Domanda</source>
        <translation>Question</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Giudizio</source>
        <translation>Judgement</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Punti</source>
        <translation>Points</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>C&amp;hiudi</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>La domanda da provare non c&apos;è nel questionario.</source>
        <translation>The question to try is not in the questionnaire.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Scrivi il tuo nome e cognome per iniziare.</source>
        <translation>Write your full name to start.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>La password non è corretta.</source>
        <translation>The password is not correct.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Il questionario non ha domande da porre.</source>
        <translation>The questionnaire has no questions to ask.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Non riesco a scrivere il file dei risultati accanto al test: le risposte potrebbero non essere salvate. Avvisa l&apos;insegnante.</source>
        <translation>I cannot write the results file beside the test: the answers may not be saved. Tell the teacher.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Domanda %1 di %2</source>
        <translation>Question %1 of %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Punteggio: %1</source>
        <translation>Score: %1</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Scrivi un numero</source>
        <translation>Write a number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scrivi la risposta</source>
        <translation>Write the answer</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>La risposta deve essere un numero, per esempio 12,5.</source>
        <translation>The answer must be a number, for example 12.5.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Confermi la risposta?</source>
        <translation>Do you confirm the answer?</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Vuoi terminare il test? Le domande non ancora viste restano senza risposta.</source>
        <translation>Do you want to finish the test? The questions not yet seen stay unanswered.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Il tempo a disposizione è finito.</source>
        <translation>The time available is over.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Tempo del test: %1</source>
        <translation>Test time: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tempo della domanda: %1</source>
        <translation>Question time: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tempo della domanda scaduto</source>
        <translation>Question time is over</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Risposta esatta.</source>
        <translation>Right answer.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Risposta quasi esatta.</source>
        <translation>Nearly right answer.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Domanda saltata.</source>
        <translation>Question skipped.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Risposta data fuori tempo.</source>
        <translation>Answer given too late.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Risposta errata.</source>
        <translation>Wrong answer.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>
La risposta giusta: %1</source>
        <translation>
The right answer: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
Punti: %1</source>
        <translation>
Points: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Punteggio totale: %1</source>
        <translation>Total score: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Prova della domanda: le risposte non sono salvate.</source>
        <translation>Trying the question: the answers are not saved.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Salvataggio dei risultati...</source>
        <translation>Saving the results...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>I risultati sono stati salvati.</source>
        <translation>The results have been saved.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Non è stato possibile salvare i risultati. Avvisa l&apos;insegnante.</source>
        <translation>The results could not be saved. Tell the teacher.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Non è stato possibile aggiungere i risultati al file della classe: restano nel file %1. Avvisa l&apos;insegnante.</source>
        <translation>The results could not be added to the class&apos;s file: they stay in the file %1. Tell the teacher.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Vuoi chiudere il test? Le risposte date finora vengono salvate.</source>
        <translation>Do you want to close the test? The answers given so far are saved.</translation>
    </message>
</context>
</TS>
