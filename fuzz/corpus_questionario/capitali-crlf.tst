<Test>
<ParTest>Name = "Capitali", Random = Yes, Time = 10, ClassTest = "3B"</ParTest>
<TextTest>Rispondi a tutte le domande.</TextTest>
<Question>
<ParQue>TypeQue = MultipleAnswer, Selection = Multiple, Image = "italia.png"</ParQue>
<TextQue>Quali città sono capoluoghi di regione?</TextQue>
<Answer><ParAns>Score = 1, Correct = Yes</ParAns><TextAns>Torino</TextAns></Answer>
<Answer><ParAns>Score = -1, Correct = No</ParAns><TextAns>Pavia</TextAns></Answer>
</Question>
<Question>
<ParQue>TypeQue = SingleNumber, NumOk = 1861, Precision = 0.5, ScoreIfOk = 2</ParQue>
<TextQue>In che anno fu proclamato il Regno d'Italia?</TextQue>
</Question>
</Test>
