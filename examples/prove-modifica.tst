<Test>

<!--- parametri generali Test --->
<ParTest>
Name = "Prove di modifica", 
Random = No, Save = Yes, Time = 30, ViewScore = Yes, Exit = Yes, 
AskConfirm = No, CorrectAnswer = Yes, SendBack = 2, 
Password = "", MaxQue = 0, 
ForceAns = No, ViewHint = Yes, ViewComm = Yes, StudComm = No, 
ClassTest = "prove"
</ParTest>
<TextTest>
Domande con molte risposte, punteggi frazionari e negativi.
</TextTest>

<!--- domanda 1 --->
<Question>
<ParQue>
EnableQue = Yes, ScoreIfSkip = 0, ScoreIfLate = 0, ScoreIfSendBack = 0, 
TimeQue = 60, TypeQue = MultipleAnswer, HintMode = Natural, 
ClassQue = "prove", Image = "nul", 
Random = No, Selection = Single, TypeSel = Sign, AddTxtNum = None</ParQue>
<TextQue>
Qual è il pianeta più grande del sistema solare?
</TextQue>
<!--- risposta 1 --->
<Answer>
<ParAns>Score = 2.25, Correct = Yes</ParAns>
<TextAns>Giove</TextAns>
</Answer>
<!--- risposta 2 --->
<Answer>
<ParAns>Score = -0.5, Correct = No</ParAns>
<TextAns>Marte</TextAns>
</Answer>
<!--- risposta 3 --->
<Answer>
<ParAns>Score = -0.25, Correct = No</ParAns>
<TextAns>Venere</TextAns>
</Answer>
<!--- risposta 4 --->
<Answer>
<ParAns>Score = 0, Correct = No</ParAns>
<TextAns>Mercurio</TextAns>
</Answer>
<!--- risposta 5 --->
<Answer>
<ParAns>Score = -1, Correct = No</ParAns>
<TextAns>Saturno</TextAns>
</Answer>
<!--- risposta 6 --->
<Answer>
<ParAns>Score = -0.75, Correct = No</ParAns>
<TextAns>Urano</TextAns>
</Answer>
<!--- risposta 7 --->
<Answer>
<ParAns>Score = -1.5, Correct = No</ParAns>
<TextAns>Nettuno</TextAns>
</Answer>
<!--- risposta 8 --->
<Answer>
<ParAns>Score = 0.5, Correct = No</ParAns>
<TextAns>Terra</TextAns>
</Answer>
</Question>

<!--- domanda 2 --->
<Question>
<ParQue>
EnableQue = Yes, ScoreIfSkip = 0, ScoreIfLate = 0, ScoreIfSendBack = 0, 
TimeQue = 60, TypeQue = MultipleAnswer, HintMode = Natural, 
ClassQue = "prove", Image = "numeri.gif", 
Random = Yes, Selection = Multiple, TypeSel = Sign, AddTxtNum = None</ParQue>
<TextQue>
Quali di questi numeri sono multipli di 3 più uno?
</TextQue>
<!--- risposta 1 --->
<Answer>
<ParAns>Score = 0.5, Correct = Yes</ParAns>
<TextAns>Numero 1</TextAns>
</Answer>
<!--- risposta 2 --->
<Answer>
<ParAns>Score = -0.25, Correct = No</ParAns>
<TextAns>Numero 2</TextAns>
</Answer>
<!--- risposta 3 --->
<Answer>
<ParAns>Score = -0.25, Correct = No</ParAns>
<TextAns>Numero 3</TextAns>
</Answer>
<!--- risposta 4 --->
<Answer>
<ParAns>Score = 0.5, Correct = Yes</ParAns>
<TextAns>Numero 4</TextAns>
</Answer>
<!--- risposta 5 --->
<Answer>
<ParAns>Score = -0.25, Correct = No</ParAns>
<TextAns>Numero 5</TextAns>
</Answer>
<!--- risposta 6 --->
<Answer>
<ParAns>Score = -0.25, Correct = No</ParAns>
<TextAns>Numero 6</TextAns>
</Answer>
<!--- risposta 7 --->
<Answer>
<ParAns>Score = 0.5, Correct = Yes</ParAns>
<TextAns>Numero 7</TextAns>
</Answer>
<!--- risposta 8 --->
<Answer>
<ParAns>Score = -0.25, Correct = No</ParAns>
<TextAns>Numero 8</TextAns>
</Answer>
<!--- risposta 9 --->
<Answer>
<ParAns>Score = -0.25, Correct = No</ParAns>
<TextAns>Numero 9</TextAns>
</Answer>
<!--- risposta 10 --->
<Answer>
<ParAns>Score = 0.5, Correct = Yes</ParAns>
<TextAns>Numero 10</TextAns>
</Answer>
<!--- risposta 11 --->
<Answer>
<ParAns>Score = -0.25, Correct = No</ParAns>
<TextAns>Numero 11</TextAns>
</Answer>
<!--- risposta 12 --->
<Answer>
<ParAns>Score = -0.25, Correct = No</ParAns>
<TextAns>Numero 12</TextAns>
</Answer>
<!--- risposta 13 --->
<Answer>
<ParAns>Score = 0.5, Correct = Yes</ParAns>
<TextAns>Numero 13</TextAns>
</Answer>
<!--- risposta 14 --->
<Answer>
<ParAns>Score = -0.25, Correct = No</ParAns>
<TextAns>Numero 14</TextAns>
</Answer>
<!--- risposta 15 --->
<Answer>
<ParAns>Score = -0.25, Correct = No</ParAns>
<TextAns>Numero 15</TextAns>
</Answer>
<!--- risposta 16 --->
<Answer>
<ParAns>Score = 0.5, Correct = Yes</ParAns>
<TextAns>Numero 16</TextAns>
</Answer>
<!--- risposta 17 --->
<Answer>
<ParAns>Score = -0.25, Correct = No</ParAns>
<TextAns>Numero 17</TextAns>
</Answer>
<!--- risposta 18 --->
<Answer>
<ParAns>Score = -0.25, Correct = No</ParAns>
<TextAns>Numero 18</TextAns>
</Answer>
<!--- risposta 19 --->
<Answer>
<ParAns>Score = 0.5, Correct = Yes</ParAns>
<TextAns>Numero 19</TextAns>
</Answer>
<!--- risposta 20 --->
<Answer>
<ParAns>Score = -0.25, Correct = No</ParAns>
<TextAns>Numero 20</TextAns>
</Answer>
</Question>

<!--- domanda 3 --->
<Question>
<ParQue>
EnableQue = Yes, ScoreIfSkip = 0, ScoreIfLate = 0, ScoreIfSendBack = 0, 
TimeQue = 60, TypeQue = SingleNumber, HintMode = Natural, 
ClassQue = "prove", Image = "", 
NumOk = 652.25, Precision = 0.5, ScoreIfOk = 3, 
ScoreIfBad = -1.5, ScoreIfNear = 1.5
</ParQue>
<TextQue>
Quanto fa 2609 diviso 4?
</TextQue>
</Question>

<!--- domanda 4 --->
<Question>
<ParQue>
EnableQue = Yes, ScoreIfSkip = 0, ScoreIfLate = 0, ScoreIfSendBack = 0, 
TimeQue = 60, TypeQue = SingleText, HintMode = Natural, 
ClassQue = "prove", Image = "", 
TextOk = "Roma", Precision = 2, ScoreIfOk = 2.5, 
ScoreIfBad = -0.5, ScoreIfNear = 1
</ParQue>
<TextQue>
Qual è la capitale d'Italia?
</TextQue>
</Question>

<!--- domanda 5 --->
<Question>
<ParQue>
EnableQue = Yes, ScoreIfSkip = 0, ScoreIfLate = 0, ScoreIfSendBack = 0, 
TimeQue = 60, TypeQue = FreeText, HintMode = Natural, 
ClassQue = "prove", Image = "", 
ScoreIfOk = 1, ScoreIfBad = 0, ScoreIfNear = 1
</ParQue>
<TextQue>
Descrivi il tuo pianeta preferito.
</TextQue>
</Question>

</Test>
