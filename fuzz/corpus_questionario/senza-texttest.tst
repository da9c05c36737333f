<Test>
<ParTest></ParTest>
