<Test>

<!--- parametri generali Test --->
<ParTest>
Name = "Geografia d'Italia", 
Random = No, Save = Yes, Time = 20, ViewScore = Yes, Exit = Yes, 
AskConfirm = Yes, CorrectAnswer = Yes, SendBack = 1, 
Password = "", MaxQue = 0, 
ForceAns = No, ViewHint = Yes, ViewComm = Yes, StudComm = No, 
ClassTest = "3B"
</ParTest>
<TextTest>
Questionario di geografia per la classe terza.
Per ogni risposta esatta è assegnato un punteggio; una risposta sbagliata può togliere punti.
Hai 20 minuti di tempo. Buon lavoro!
</TextTest>

<!--- domanda 1 --->
<Question>
<ParQue>
EnableQue = Yes, ScoreIfSkip = 0, ScoreIfLate = 0, ScoreIfSendBack = 0, 
TimeQue = 60, TypeQue = MultipleAnswer, HintMode = Natural, 
ClassQue = "fiumi", Image = "", 
Random = Yes, Selection = Single, TypeSel = Sign, AddTxtNum = None</ParQue>
<TextQue>
Qual è il fiume più lungo d'Italia?
</TextQue>
<!--- risposta 1 --->
<Answer>
<ParAns>Score = 3, Correct = Yes</ParAns>
<TextAns>Il Po</TextAns>
</Answer>
<!--- risposta 2 --->
<Answer>
<ParAns>Score = -1, Correct = No</ParAns>
<TextAns>Il Tevere</TextAns>
</Answer>
<!--- risposta 3 --->
<Answer>
<ParAns>Score = -1, Correct = No</ParAns>
<TextAns>L'Adige</TextAns>
</Answer>
<!--- risposta 4 --->
<Answer>
<ParAns>Score = -1, Correct = No</ParAns>
<TextAns>L'Arno</TextAns>
</Answer>
</Question>

<!--- domanda 2 --->
<Question>
<ParQue>
EnableQue = Yes, ScoreIfSkip = 0, ScoreIfLate = 0, ScoreIfSendBack = 0, 
TimeQue = 60, TypeQue = MultipleAnswer, HintMode = Natural, 
ClassQue = "regioni", Image = "", 
Random = No, Selection = Multiple, TypeSel = Sign, AddTxtNum = None</ParQue>
<TextQue>
Quali di queste regioni si affacciano sul mare Adriatico?
</TextQue>
<!--- risposta 1 --->
<Answer>
<ParAns>Score = 1, Correct = Yes</ParAns>
<TextAns>Puglia</TextAns>
</Answer>
<!--- risposta 2 --->
<Answer>
<ParAns>Score = 1, Correct = Yes</ParAns>
<TextAns>Marche</TextAns>
</Answer>
<!--- risposta 3 --->
<Answer>
<ParAns>Score = -1, Correct = No</ParAns>
<TextAns>Umbria</TextAns>
</Answer>
<!--- risposta 4 --->
<Answer>
<ParAns>Score = 1, Correct = Yes</ParAns>
<TextAns>Veneto</TextAns>
</Answer>
<!--- risposta 5 --->
<Answer>
<ParAns>Score = -1, Correct = No</ParAns>
<TextAns>Toscana</TextAns>
</Answer>
</Question>

<!--- domanda 3 --->
<Question>
<ParQue>
EnableQue = Yes, ScoreIfSkip = 0, ScoreIfLate = 0, ScoreIfSendBack = 0, 
TimeQue = 45, TypeQue = SingleText, HintMode = Natural, 
ClassQue = "città", Image = "", 
TextOk = "Cagliari", Precision = 0, ScoreIfOk = 2, 
ScoreIfBad = 0, ScoreIfNear = 2
</ParQue>
<TextQue>
Qual è il capoluogo della Sardegna?
</TextQue>
</Question>

<!--- domanda 4 --->
<Question>
<ParQue>
EnableQue = Yes, ScoreIfSkip = 0, ScoreIfLate = 0, ScoreIfSendBack = 0, 
TimeQue = 90, TypeQue = SingleNumber, HintMode = Natural, 
ClassQue = "fiumi", Image = "", 
NumOk = 652, Precision = 10, ScoreIfOk = 3, 
ScoreIfBad = 0, ScoreIfNear = 1.5
</ParQue>
<TextQue>
Quanti chilometri è lungo, all'incirca, il Po?
Basta un numero intero.
</TextQue>
</Question>

<!--- domanda 5 --->
<Question>
<ParQue>
EnableQue = Yes, ScoreIfSkip = 0, ScoreIfLate = 0, ScoreIfSendBack = 0, 
TimeQue = 60, TypeQue = MultipleAnswer, HintMode = Natural, 
ClassQue = "isole", Image = "cartina-isole.png", 
Random = No, Selection = Single, TypeSel = Sign, AddTxtNum = None</ParQue>
<TextQue>
Quale isola è evidenziata in rosso nella cartina?
</TextQue>
<!--- risposta 1 --->
<Answer>
<ParAns>Score = 2, Correct = Yes</ParAns>
<TextAns>La Sicilia</TextAns>
</Answer>
<!--- risposta 2 --->
<Answer>
<ParAns>Score = -0.5, Correct = No</ParAns>
<TextAns>La Sardegna</TextAns>
</Answer>
<!--- risposta 3 --->
<Answer>
<ParAns>Score = -0.5, Correct = No</ParAns>
<TextAns>L'isola d'Elba</TextAns>
</Answer>
</Question>

</Test>
