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
<!---------------------------------------------------------------------->
<Student>
<StPar>NameTest = "geografia.tst", NameStudent = "Rossi Maria" ,
TimeInit = "Mon Mar  4 10:02:17 2024" , TimeLength = "6:41" ,
TotalScore = 13</StPar>
<Ans>IDAns = 0, IsValid = Yes, RndAns = 0, IsCorrect = Yes,
TimeAns = 35, NumSendBack = 0, Score = 3, TypeQue = MultipleAnswer,
LineAns = "", Choice = X---, StRndRisp = 2013</Ans>
<Ans>IDAns = 1, IsValid = Yes, RndAns = 1, IsCorrect = Yes,
TimeAns = 80, NumSendBack = 0, Score = 3, TypeQue = MultipleAnswer,
LineAns = "", Choice = XX-X-, StRndRisp = 01234</Ans>
<Ans>IDAns = 2, IsValid = Yes, RndAns = 2, IsCorrect = Yes,
TimeAns = 20, NumSendBack = 0, Score = 2, TypeQue = SingleText,
LineAns = "Cagliari"</Ans>
<Ans>IDAns = 3, IsValid = Yes, RndAns = 3, IsCorrect = Yes,
TimeAns = 51, NumSendBack = 0, Score = 3, TypeQue = SingleNumber,
LineAns = "650"</Ans>
<Ans>IDAns = 4, IsValid = Yes, RndAns = 4, IsCorrect = Yes,
TimeAns = 12, NumSendBack = 0, Score = 2, TypeQue = MultipleAnswer,
LineAns = "", Choice = X--, StRndRisp = 012</Ans>
</Student>
<!---------------------------------------------------------------------->
<Student>
<StPar>NameTest = "geografia.tst", NameStudent = "Bianchi Luca" ,
TimeInit = "Mon Mar  4 10:02:40 2024" , TimeLength = "11:05" ,
TotalScore = 5.5</StPar>
<Ans>IDAns = 0, IsValid = Yes, RndAns = 0, IsCorrect = No,
TimeAns = 58, NumSendBack = 1, Score = -1, TypeQue = MultipleAnswer,
LineAns = "", Choice = -X--, StRndRisp = 2013</Ans>
<Ans>IDAns = 1, IsValid = Yes, RndAns = 1, IsCorrect = No,
TimeAns = 120, NumSendBack = 0, Score = 1, TypeQue = MultipleAnswer,
LineAns = "", Choice = X-X--, StRndRisp = 01234</Ans>
<Ans>IDAns = 2, IsValid = Yes, RndAns = 2, IsCorrect = Yes,
TimeAns = 33, NumSendBack = 0, Score = 2, TypeQue = SingleText,
LineAns = "cagliari"</Ans>
<Ans>IDAns = 3, IsValid = Yes, RndAns = 3, IsCorrect = Nearly,
TimeAns = 90, NumSendBack = 0, Score = 1.5, TypeQue = SingleNumber,
LineAns = "700"</Ans>
<Ans>IDAns = 4, IsValid = Yes, RndAns = 4, IsCorrect = Yes,
TimeAns = 25, NumSendBack = 0, Score = 2, TypeQue = MultipleAnswer,
LineAns = "", Choice = X--, StRndRisp = 012</Ans>
</Student>
<!---------------------------------------------------------------------->
<Student>
<StPar>NameTest = "geografia.tst", NameStudent = "Esposito Giulia" ,
TimeInit = "Mon Mar  4 10:03:05 2024" , TimeLength = "8:12" ,
TotalScore = 7</StPar>
<Ans>IDAns = 0, IsValid = Yes, RndAns = 0, IsCorrect = Yes,
TimeAns = 22, NumSendBack = 0, Score = 3, TypeQue = MultipleAnswer,
LineAns = "", Choice = X---, StRndRisp = 2013</Ans>
<Ans>IDAns = 1, IsValid = Yes, RndAns = 1, IsCorrect = Nearly,
TimeAns = 95, NumSendBack = 0, Score = 2, TypeQue = MultipleAnswer,
LineAns = "", Choice = XX---, StRndRisp = 01234</Ans>
<Ans>IDAns = 2, IsValid = Yes, RndAns = 2, IsCorrect = No,
TimeAns = 41, NumSendBack = 0, Score = 0, TypeQue = SingleText,
LineAns = "Sassari"</Ans>
<Ans>IDAns = 3, IsValid = Yes, RndAns = 3, IsCorrect = Skip,
TimeAns = 10, NumSendBack = 0, Score = 0, TypeQue = SingleNumber,
LineAns = ""</Ans>
<Ans>IDAns = 4, IsValid = Yes, RndAns = 4, IsCorrect = Yes,
TimeAns = 15, NumSendBack = 0, Score = 2, TypeQue = MultipleAnswer,
LineAns = "", Choice = X--, StRndRisp = 012</Ans>
</Student>
<!---------------------------------------------------------------------->
<Student>
<StPar>NameTest = "geografia.tst", NameStudent = "Ferrari Marco" ,
TimeInit = "Mon Mar  4 10:03:31 2024" , TimeLength = "19:58" ,
TotalScore = 4.5</StPar>
<Ans>IDAns = 0, IsValid = Yes, RndAns = 0, IsCorrect = Yes,
TimeAns = 60, NumSendBack = 0, Score = 3, TypeQue = MultipleAnswer,
LineAns = "", Choice = X---, StRndRisp = 2013</Ans>
<Ans>IDAns = 1, IsValid = Yes, RndAns = 1, IsCorrect = Late,
TimeAns = 180, NumSendBack = 1, Score = 0, TypeQue = MultipleAnswer,
LineAns = "", Choice = X----, StRndRisp = 01234</Ans>
<Ans>IDAns = 2, IsValid = Yes, RndAns = 2, IsCorrect = Yes,
TimeAns = 44, NumSendBack = 0, Score = 2, TypeQue = SingleText,
LineAns = "Cagliari"</Ans>
<Ans>IDAns = 3, IsValid = Yes, RndAns = 3, IsCorrect = No,
TimeAns = 87, NumSendBack = 0, Score = 0, TypeQue = SingleNumber,
LineAns = "1000"</Ans>
<Ans>IDAns = 4, IsValid = Yes, RndAns = 4, IsCorrect = No,
TimeAns = 30, NumSendBack = 0, Score = -0.5, TypeQue = MultipleAnswer,
LineAns = "", Choice = -X-, StRndRisp = 012</Ans>
</Student>
<!---------------------------------------------------------------------->
<Student>
<StPar>NameTest = "geografia.tst", NameStudent = "Colombo Sara" ,
TimeInit = "Mon Mar  4 10:04:02 2024" , TimeLength = "4:57" ,
TotalScore = 13</StPar>
<Ans>IDAns = 0, IsValid = Yes, RndAns = 0, IsCorrect = Yes,
TimeAns = 18, NumSendBack = 0, Score = 3, TypeQue = MultipleAnswer,
LineAns = "", Choice = X---, StRndRisp = 2013</Ans>
<Ans>IDAns = 1, IsValid = Yes, RndAns = 1, IsCorrect = Yes,
TimeAns = 64, NumSendBack = 0, Score = 3, TypeQue = MultipleAnswer,
LineAns = "", Choice = XX-X-, StRndRisp = 01234</Ans>
<Ans>IDAns = 2, IsValid = Yes, RndAns = 2, IsCorrect = Yes,
TimeAns = 17, NumSendBack = 0, Score = 2, TypeQue = SingleText,
LineAns = "Cagliari"</Ans>
<Ans>IDAns = 3, IsValid = Yes, RndAns = 3, IsCorrect = Yes,
TimeAns = 40, NumSendBack = 0, Score = 3, TypeQue = SingleNumber,
LineAns = "652"</Ans>
<Ans>IDAns = 4, IsValid = Yes, RndAns = 4, IsCorrect = Yes,
TimeAns = 9, NumSendBack = 0, Score = 2, TypeQue = MultipleAnswer,
LineAns = "", Choice = X--, StRndRisp = 012</Ans>
</Student>
