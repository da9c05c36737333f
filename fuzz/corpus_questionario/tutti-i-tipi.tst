<test><partest>name = "Tipi", viewscore = no, maxque = 3</partest><texttest>

  testo  
</texttest>
<!--- domanda 1 --->
<Question><ParQue>TypeQue = MultipleAnswer, AddTxtNum = Number, NumOk = 2.5, Precision = 0.01, ScoreIfOk = 2, ScoreIfBad = -1, ScoreIfNear = 1</ParQue><TextQue>a</TextQue><Answer><ParAns>Score = 1</ParAns><TextAns>x</TextAns></Answer></Question>
<Question><ParQue>TypeQue = MultipleAnswer, AddTxtNum = Text, TextOk = "Roma", Precision = 2.5, Random = Yes, TypeSel = YesNo, HintMode = List</ParQue><TextQue>b</TextQue><Answer><ParAns>Correct = yes</ParAns><TextAns>y</TextAns></Answer><Answer><ParAns>Score = 2</ParAns><TextAns>z</TextAns></Answer></Question>
<Question><ParQue>TypeQue = SingleText, TextOk = "Po", Divide = No, EnableQue = No</ParQue><TextQue>c</TextQue></Question>
<Question><ParQue>TypeQue = SortItem, TimeQue = 30, ClassQue = abc</ParQue><TextQue>d</TextQue></Question>
<Question><ParQue>TypeQue = Information</ParQue><TextQue>e</TextQue></Question>
